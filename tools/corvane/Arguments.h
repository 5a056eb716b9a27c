// Command-line arguments of the corvane host: positional words and
// "--name value" / "--flag" options, with one-line errors.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace corvane::cli {

class Arguments {
 public:
  // Splits argv; an option listed in withValue takes the next word as its
  // value, one listed in flags takes none.  Anything else starting with "--"
  // is an error.
  bool Parse(const std::vector<std::string>& words, const std::set<std::string>& withValue,
             const std::set<std::string>& flags);
  const std::string& Error() const { return m_error; }

  const std::vector<std::string>& Positional() const { return m_positional; }
  bool Has(const std::string& name) const { return m_values.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const;
  // Parses an option's value as a decimal integer; false (with Error set)
  // when it is present but not a number in range.
  bool Integer(const std::string& name, long long min, long long max, std::optional<long long>& out);

 private:
  std::vector<std::string> m_positional;
  std::map<std::string, std::string> m_values;
  std::string m_error;
};

}  // namespace corvane::cli
