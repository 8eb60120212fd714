// Reads the UTF-8 sources of the shipped data folder (config/kinds.txt,
// config/standards.ini, config/tables/<kind>.txt) the way a reviewer sees them, so the
// tests can check them before they are turned into GBK and sealed. Parses nothing
// beyond lines and "//" fields; knows no formula and does not touch the packed files.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace config {

std::filesystem::path sourceDir();

// Whole file as bytes; nothing when it cannot be read.
std::optional<std::string> readText(const std::filesystem::path& path);

// Splits at "\n", dropping one trailing "\r" per line; a final empty piece is dropped.
std::vector<std::string> splitLines(const std::string& text);

// Splits at every "//", keeping empty pieces, the last one included.
std::vector<std::string> splitFields(const std::string& line);

struct TableLine {
  int lineNumber = 0;                  // 1-based, in the source file
  std::vector<std::string> fields;     // as split, so a bad line keeps its shape
};

// Lines of a table source that are not '#' comments.
std::vector<TableLine> readTable(const std::filesystem::path& path);

// Second fields of the kinds file lines that have at least two fields, read as the
// program reads them.
std::vector<std::string> readKinds();

// Section name -> value of the key 标准, from standards.ini.
std::map<std::string, std::string> readStandards();

// Kind names that have a table source, from the file names under config/tables.
std::vector<std::string> tableKinds();

std::filesystem::path tablePath(const std::string& kind);

}  // namespace config
