#include "core/common/IniFile.h"

#include "core/common/AppError.h"
#include "core/common/FileRoutines.h"

namespace curvedesk {

namespace {

constexpr const char* kWriteError = "INI File Write Error";
constexpr const char* kReadError = "INI File Read Error";

std::int32_t ParseProfileInt(std::string_view text) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
  std::uint32_t value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
    value = value * 10u + static_cast<std::uint32_t>(text[pos++] - '0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

template <typename Edit>
void EditFile(const std::string& path, Edit edit) {
  IniDocument document;
  try {
    document = LoadIniDocument(path);
  } catch (const AppError&) {
    RaiseError(ErrIniWrite, kWriteError);
  }
  edit(document);
  try {
    WriteFileAtomically(path, document.Serialize());
  } catch (const AppError&) {
    RaiseError(ErrIniWrite, kWriteError);
  }
}

}  // namespace

IniDocument LoadIniDocument(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  return bytes ? IniDocument::Parse(*bytes) : IniDocument();
}

void IniWriteInt(IniDocument& document, std::string_view section, std::string_view key, std::int32_t value) {
  document.Write(section, key, std::to_string(value));
}

void IniWriteString(IniDocument& document, std::string_view section, std::string_view key, std::string_view text) {
  std::string wrapped = "#";
  wrapped += text;
  wrapped += '#';
  document.Write(section, key, wrapped);
}

void IniWriteInt(const std::string& path, std::string_view section, std::string_view key, std::int32_t value) {
  EditFile(path, [&](IniDocument& document) { IniWriteInt(document, section, key, value); });
}

void IniWriteString(const std::string& path, std::string_view section, std::string_view key, std::string_view text) {
  EditFile(path, [&](IniDocument& document) { IniWriteString(document, section, key, text); });
}

std::int32_t IniReadInt(const IniDocument& document, std::string_view section, std::string_view key) {
  auto value = document.Read(section, key);
  const std::int32_t result = (value && !value->empty()) ? ParseProfileInt(*value) : kIniReadIntSentinel;
  if (result == kIniReadIntSentinel) RaiseError(ErrIniRead, kReadError);
  return result;
}

std::int32_t IniReadInt(const std::string& path, std::string_view section, std::string_view key) {
  IniDocument document;
  try {
    document = LoadIniDocument(path);
  } catch (const AppError&) {
    RaiseError(ErrIniRead, kReadError);
  }
  return IniReadInt(document, section, key);
}

std::string IniReadString(const IniDocument& document, std::string_view section, std::string_view key) {
  std::string value = document.Read(section, key).value_or(std::string());
  if (!value.empty() && value.front() == '#') {
    value.erase(0, 1);
    if (!value.empty()) value.pop_back();
  }
  return value;
}

std::string IniReadString(const std::string& path, std::string_view section, std::string_view key) {
  try {
    return IniReadString(LoadIniDocument(path), section, key);
  } catch (const AppError&) {
    return {};
  }
}

}  // namespace curvedesk
