#pragma once
// TApplicant: what the window's controls hold about one applicant -- the
// evaluation file's content and the input of an assessment. Choices are
// kept as indices into the fixed caption lists below, as the controls and
// the evaluation files keep them.

#include <array>
#include <cstdint>
#include <string>

namespace vettora {

// Captions carry their accelerator mark ('&') first; the assessment drops
// that first character to get the atom the rules match.
inline constexpr std::array<const char*, 4> kMaritalStatusCaptions = {"&Single", "&Married",
                                                                      "&Divorced", "&Widowed"};
inline constexpr std::array<const char*, 5> kJobTitles = {"Programmer", "Designer", "Manager",
                                                          "Artist", "Other"};
inline constexpr std::array<const char*, 5> kRatingCaptions = {"&None", "&Low", "&Average", "&High",
                                                               "&Expert"};

// The four skill ratings, in the order the skills multislot lists them.
enum TSkill : uint8_t { skGeneral, skDatabase, skComponent, skGraphics };
inline constexpr int kSkillCount = 4;

// The ranges of the number fields (the spin edits' limits).
inline constexpr int kAgeMin = 0, kAgeMax = 150;
inline constexpr int kYearsMin = 0, kYearsMax = 100;
inline constexpr int kJobsMin = 0, kJobsMax = 1000;

struct TApplicant {
  std::string FirstName;
  std::string LastName;
  int32_t Age = 30;
  int32_t MaritalStatus = 0;  // index into kMaritalStatusCaptions
  std::string LastEmployer;
  int32_t YearsAtJob = 0;
  int32_t NumJobs = 1;
  int32_t JobTitle = 0;                                  // index into kJobTitles
  std::array<int32_t, kSkillCount> Ratings{2, 2, 2, 2};  // indices into kRatingCaptions

  bool operator==(const TApplicant&) const = default;
};

}  // namespace vettora
