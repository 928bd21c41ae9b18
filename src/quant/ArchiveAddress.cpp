#include "ArchiveAddress.h"

#include "Numbers.h"

namespace velmora {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> Decode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexDigit(text[i + 1]), low = HexDigit(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

std::optional<int> ReadPort(std::string_view text) {
  const auto value = ParseInteger(text);
  if (!value || *value < 1 || *value > 65535 || text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  return static_cast<int>(*value);
}

}  // namespace

ArchiveAddress ArchiveAddress::SqliteFile(std::string file) {
  ArchiveAddress a;
  a.kind = Kind::Sqlite;
  a.File = std::move(file);
  return a;
}

std::optional<ArchiveAddress> ArchiveAddress::Parse(std::string_view text) {
  std::string_view rest;
  for (std::string_view scheme : {"postgresql://", "postgres://"})
    if (text.substr(0, scheme.size()) == scheme) rest = text.substr(scheme.size());
  if (rest.data() == nullptr) {
    if (text.empty()) return std::nullopt;
    return SqliteFile(std::string(text));
  }
  ArchiveAddress a;
  a.kind = Kind::Postgres;
  std::string_view query;
  if (const auto q = rest.find('?'); q != std::string_view::npos) {
    query = rest.substr(q + 1);
    rest = rest.substr(0, q);
  }
  std::string_view path;
  if (const auto slash = rest.find('/'); slash != std::string_view::npos) {
    path = rest.substr(slash + 1);
    rest = rest.substr(0, slash);
  }
  if (const auto at = rest.rfind('@'); at != std::string_view::npos) {
    std::string_view credentials = rest.substr(0, at);
    rest = rest.substr(at + 1);
    std::string_view password;
    if (const auto colon = credentials.find(':'); colon != std::string_view::npos) {
      password = credentials.substr(colon + 1);
      credentials = credentials.substr(0, colon);
    }
    const auto user = Decode(credentials), pass = Decode(password);
    if (!user || !pass) return std::nullopt;
    a.User = *user;
    a.Password = *pass;
  }
  // host, host:port, [v6]:port
  std::string_view host = rest, port;
  if (!host.empty() && host.front() == '[') {
    const auto close = host.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    port = host.substr(close + 1);
    host = host.substr(1, close - 1);
    if (!port.empty() && port.front() != ':') return std::nullopt;
    if (!port.empty()) port.remove_prefix(1);
  } else if (const auto colon = host.rfind(':'); colon != std::string_view::npos) {
    port = host.substr(colon + 1);
    host = host.substr(0, colon);
  }
  const auto decodedHost = Decode(host);
  if (!decodedHost) return std::nullopt;
  a.Host = *decodedHost;
  if (!port.empty()) {
    const auto p = ReadPort(port);
    if (!p) return std::nullopt;
    a.Port = *p;
  }
  const auto database = Decode(path);
  if (!database) return std::nullopt;
  a.Database = *database;
  while (!query.empty()) {
    const auto amp = query.find('&');
    const std::string_view item = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    if (item.empty()) continue;
    const auto eq = item.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    const auto key = Decode(item.substr(0, eq)), value = Decode(item.substr(eq + 1));
    if (!key || !value || key->empty()) return std::nullopt;
    if (*key == "host") {
      a.Host = *value;
    } else if (*key == "port") {
      const auto p = ReadPort(*value);
      if (!p) return std::nullopt;
      a.Port = *p;
    } else if (*key == "user") {
      a.User = *value;
    } else if (*key == "password") {
      a.Password = *value;
    } else if (*key == "dbname") {
      a.Database = *value;
    } else {
      // Passed on to the driver as key=value words: no blanks or quotes.
      if (value->find_first_of(" '\\;") != std::string::npos || key->find_first_of(" '\\;=") != std::string::npos)
        return std::nullopt;
      a.Options[*key] = *value;
    }
  }
  return a;
}

std::string ArchiveAddress::Display() const {
  if (kind == Kind::Sqlite) return File;
  std::string out = "postgresql://";
  if (!User.empty()) out += User + "@";
  const bool socket = !Host.empty() && Host.front() == '/';
  if (!socket) out += Host;
  if (Port != 0 && !socket) out += ":" + std::to_string(Port);
  out += "/" + Database;
  if (socket) {
    out += "?host=" + Host;
    if (Port != 0) out += "&port=" + std::to_string(Port);
  }
  return out;
}

}  // namespace velmora
