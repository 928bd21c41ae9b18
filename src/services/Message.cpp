#include "Message.h"

#include <cctype>

namespace velmora {

std::string Message::substitute(std::string_view templ, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(templ.size() + 16);
  std::size_t next = 0;
  for (std::size_t i = 0; i < templ.size(); ++i) {
    char c = templ[i];
    if (c != '%' || i + 1 >= templ.size()) {
      out += c;
      continue;
    }
    if (templ[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    // Skip flags, width and precision, then the conversion letter.
    std::size_t j = i + 1;
    while (j < templ.size() && (std::isdigit(static_cast<unsigned char>(templ[j])) || templ[j] == '.' ||
                                templ[j] == '-' || templ[j] == ':'))
      ++j;
    if (j < templ.size() && std::isalpha(static_cast<unsigned char>(templ[j]))) {
      if (next < args.size()) out += args[next];
      ++next;
      i = j;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace velmora
