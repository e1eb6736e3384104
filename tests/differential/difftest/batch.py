"""Many programs in one engine process: each program is framed by marker
lines and followed by (clear), and the output is cut back into one part
per program at the markers."""
import re

BEGIN = "@@@ begin "
END = "@@@ end "
_MARK = re.compile(r"^@@@ (begin|end) (\d+)\r?$")


def batch_text(programs):
    """programs: list of (number, text)."""
    parts = []
    for number, text in programs:
        parts.append(f'(printout t "{BEGIN}{number}" crlf)\n{text}'
                     f'(printout t "{END}{number}" crlf)\n(clear)\n')
    parts.append("(exit)\n")
    return "".join(parts)


def single_text(text):
    return text + "(exit)\n"


def split_output(output):
    """Maps program number -> its output lines text; a program whose end
    marker is missing (a crash or a time-out inside it) maps to None, and
    so does every program after it."""
    parts, current, lines = {}, None, []
    for line in output.split("\n"):
        m = _MARK.match(line)
        if m and m.group(1) == "begin":
            current, lines = int(m.group(2)), []
        elif m and current is not None and int(m.group(2)) == current:
            parts[current] = "\n".join(lines)
            current = None
        elif current is not None:
            lines.append(line)
    return parts
