#include "tests/config/config_sources.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace config {

namespace fs = std::filesystem;

fs::path sourceDir() { return fs::path(KALVON_CONFIG_DIR); }

std::optional<std::string> readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> splitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t at = line.find("//", start);
    if (at == std::string::npos) break;
    fields.push_back(line.substr(start, at - start));
    start = at + 2;
  }
  fields.push_back(line.substr(start));
  return fields;
}

std::vector<TableLine> readTable(const fs::path& path) {
  std::vector<TableLine> table;
  const auto text = readText(path);
  if (!text) return table;
  const auto lines = splitLines(*text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].empty() && lines[i][0] == '#') continue;
    table.push_back({static_cast<int>(i + 1), splitFields(lines[i])});
  }
  return table;
}

std::vector<std::string> readKinds() {
  std::vector<std::string> kinds;
  const auto text = readText(sourceDir() / "kinds.txt");
  if (!text) return kinds;
  // No comment syntax here, as in the program: a ';' line is skipped only for having
  // fewer than two fields, so a comment holding "//" would list a kind.
  for (const auto& line : splitLines(*text)) {
    auto fields = splitFields(line);
    // The program drops an empty piece after a final "//", so "1//" names nothing.
    if (!fields.empty() && fields.back().empty()) fields.pop_back();
    if (fields.size() >= 2) kinds.push_back(fields[1]);
  }
  return kinds;
}

std::map<std::string, std::string> readStandards() {
  std::map<std::string, std::string> standards;
  const auto text = readText(sourceDir() / "standards.ini");
  if (!text) return standards;
  std::string section;
  for (const auto& line : splitLines(*text)) {
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const auto eq = line.find('=');
    if (eq != std::string::npos && line.substr(0, eq) == "标准") standards[section] = line.substr(eq + 1);
  }
  return standards;
}

std::vector<std::string> tableKinds() {
  std::vector<std::string> kinds;
  for (const auto& entry : fs::directory_iterator(sourceDir() / "tables")) {
    if (entry.path().extension() == ".txt") kinds.push_back(entry.path().stem().string());
  }
  std::sort(kinds.begin(), kinds.end());
  return kinds;
}

fs::path tablePath(const std::string& kind) { return sourceDir() / "tables" / fs::path(kind + ".txt"); }

}  // namespace config
