#include "Arguments.h"

#include <cerrno>
#include <cstdlib>

namespace corvane::cli {

bool Arguments::Parse(const std::vector<std::string>& words, const std::set<std::string>& withValue,
                      const std::set<std::string>& flags) {
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
      const std::string name = word.substr(2);
      if (withValue.count(name)) {
        if (i + 1 >= words.size()) {
          m_error = "option --" + name + " needs a value";
          return false;
        }
        m_values[name] = words[++i];
      } else if (flags.count(name)) {
        m_values[name] = "";
      } else {
        m_error = "unknown option " + word;
        return false;
      }
    } else {
      m_positional.push_back(word);
    }
  }
  return true;
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
  auto it = m_values.find(name);
  if (it == m_values.end()) return std::nullopt;
  return it->second;
}

bool Arguments::Integer(const std::string& name, long long min, long long max, std::optional<long long>& out) {
  auto text = Value(name);
  if (!text) return true;
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text->c_str(), &end, 10);
  if (text->empty() || *end != '\0' || errno == ERANGE || value < min || value > max) {
    m_error = "option --" + name + " wants a whole number from " + std::to_string(min) + " to " +
              std::to_string(max) + ", not \"" + *text + "\"";
    return false;
  }
  out = value;
  return true;
}

}  // namespace corvane::cli
