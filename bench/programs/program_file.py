"""What the program generators share: reading their sizes from the command
line and writing the program to a file or to standard output.

    sizes, path = program_file.arguments(sys.argv, __doc__, required=1)
    program_file.write(text, path)

Arguments are the required sizes (whole numbers), then optional further
sizes, then at most one file name. A missing or malformed size stops the
generator with its usage text.
"""
import sys


def arguments(argv, usage, required=1):
    numbers = []
    rest = argv[1:]
    while rest and rest[0].isdigit():
        numbers.append(int(rest.pop(0)))
    if len(numbers) < required or len(rest) > 1:
        sys.exit(usage)
    return numbers, (rest[0] if rest else None)


def write(text, path):
    if path:
        with open(path, "w") as out:
            out.write(text)
    else:
        sys.stdout.write(text)
