#include "core/Host.h"

#include <iostream>

IHost::~IHost() = default;

void TPlainHost::Log(const std::string& text) {
  logLines.push_back(text);
  if (echo_) std::cerr << text << '\n';
}

namespace {
TPlainHost& PlainHost() {
  static TPlainHost host;
  return host;
}
IHost* current = nullptr;
}  // namespace

IHost& Host() { return current ? *current : PlainHost(); }

void SetHost(IHost* host) { current = host; }
