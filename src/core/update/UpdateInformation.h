#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "update/UpdateVersion.h"

namespace korvane::update {

// The largest update information document that is read; anything longer is
// not an update information document.
inline constexpr size_t kMaxDocumentBytes = 64 * 1024;

// What the update server says about the latest release (docs/update-information.md).
struct UpdateInformation {
  std::string version;   // "0.02.00"
  std::string date;      // "2027-01-15"
  std::string download;  // the page the release is fetched from
  std::string notes;     // release notes, may be empty
  ReleaseNumber number;
  ReleaseDate releaseDate;
};

// The document read, or why it is not one.
struct ParsedInformation {
  std::optional<UpdateInformation> information;
  std::string problem;
};
ParsedInformation ParseUpdateInformation(std::string_view document);

// The parts of an address the checks need.
struct AddressParts {
  std::string scheme;  // lower case
  std::string host;    // lower case, without brackets
};
std::optional<AddressParts> SplitAddress(std::string_view address);

bool IsLoopbackHost(std::string_view host);

// Addresses the program fetches from or opens: HTTPS anywhere, plain HTTP
// only on this machine (a local test server).
bool IsAllowedAddress(std::string_view address);

}  // namespace korvane::update
