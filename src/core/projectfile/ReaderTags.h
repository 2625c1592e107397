#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/WizardFields.h"
#include "projectfile/ProjectFileReader.h"
#include "text/Ascii.h"

namespace korvane::model {
class ParameterCatalogue;
}

namespace korvane::projectfile {

// What the value of a tag line must be.
struct TagCheck {
  enum class Kind {
    Text,         // any text
    Number,       // a decimal number from 0 up to the maximum of a catalogue parameter
    Leading,      // starts with a digit; its leading digits at most `high`
    ZeroOrOne,    // starts with "0" or "1"; its leading digits at most 1
    Whole,        // a whole number from `low` to `high`
    DutyList,     // ten values each closed by "," or ";", each at most `high`
    Application,  // as Leading up to 2, and an application this edition offers
  };
  Kind kind = Kind::Text;
  int parameter = 0;  // Number
  long long low = 0;
  long long high = 0;
  int sumLimit = 0;  // DutyList: the most the ten may add up to; 0 for no limit
};

// A checked value, in the forms the targets take.
struct TagValue {
  std::string_view text;  // the bytes after the tag
  double number = 0;
  long long whole = 0;
  std::array<std::uint16_t, 10> list{};

  float asFloat() const { return static_cast<float>(number); }
};

// Where an accepted value goes: the system of the open block, and the staged
// project for the values that belong to the whole project.
struct TagTarget {
  model::TVexEnergySystem& system;
  StagedProject& staged;
};

// One tag of a system block. A tag whose switch is set is still checked and
// still reports its error; only its effect is skipped, and what it keeps is
// kept for the next save. Every tag line that takes effect counts towards the
// block's limit.
struct TagRule {
  std::string_view tag = {};      // with its "="
  TagCheck check = {};            // none: any text
  std::string_view message = {};  // empty for a tag that cannot be wrong
  model::SwitchRule switches = {};
  void (*apply)(TagTarget&, const TagValue&) = nullptr;  // none: checked only
  void (*keep)(model::KeptInputs&, const TagValue&) = nullptr;
  bool caseKept = false;  // the value as written, not in upper case
  // The parameter line of the earliest layout that stands for this tag.
  int parameterLine = 0;
};

// The FLW line: a block that turns out to be a pump with an outlet damper
// names this line.
inline constexpr std::string_view kFlowTag = "FLW=";
inline constexpr std::string_view kApplicationTag = "ATP=";

// The rule of the first four characters of a key line, or none. Blocks list
// their tags in the table's order, so a search may start where the last one
// ended: `next` is where to start, and is moved past the tag found.
const TagRule* FindTag(std::string_view tag, std::size_t* next = nullptr);

// The tag a parameter line of the earliest layout stands for, or none.
const TagRule* FindParameterTag(int parameterLine);

// Checks a value (never empty) against its rule and reads it into `out`.
bool CheckTagValue(const TagRule& rule, std::string_view value,
                   const model::ParameterCatalogue& catalogue, TagValue& out);

// False for an application type this edition does not offer (or knows not).
bool ApplicationOffered(long long type);

}  // namespace korvane::projectfile
