#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "preferences/PreferenceValues.h"
#include "projectfile/ProjectHeader.h"

namespace korvane {
class MessageSink;
}

namespace korvane::model {
class ParameterCatalogue;
class TVexEnergyProjectAnalysis;
}  // namespace korvane::model

namespace korvane::projectfile {

inline constexpr std::string_view kProjectFileExtension = "ESEProj";
inline constexpr std::string_view kFileError = "FILE ERROR !";

// Everything a project file is written from.
struct ProjectFileSources {
  const model::TVexEnergyProjectAnalysis& project;
  const model::ParameterCatalogue& catalogue;
  const preferences::PreferenceValues& preferences;
  const ProjectHeader& header;
  std::string date;  // shown on the DATE line; nothing reads it back
};

// The systems in the order they are written: the tree order of a project of
// several systems, system 1 alone otherwise; at most SystemCount of them.
std::vector<int> ReportSystemOrder(const ProjectFileSources& sources);

// The whole file as UTF-8 text with CR LF line ends.
std::string Project_File_Text(const ProjectFileSources& sources);

// Writes the project file in Windows-1252 through ReplaceFile, so a failed
// save leaves the earlier file as it was. On failure "FILE ERROR !" is shown
// and false returned.
bool WriteProjectFile(const std::filesystem::path& path, const ProjectFileSources& sources,
                      MessageSink& messages);

// Filter text of the open and save dialogs ("Energy Files (*.ESEProj)|*.ESEProj|").
std::string ProjectFileFilter(std::string_view description,
                              std::initializer_list<std::string_view> extensions);

}  // namespace korvane::projectfile
