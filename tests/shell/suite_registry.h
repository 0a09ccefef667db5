#pragma once
// The QtTest suites of the shell, registered by name so that one executable can
// run them one at a time (one ctest entry each) or all together.

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ovelin::test {

using SuiteFactory = std::function<std::unique_ptr<QObject>()>;

/// Every registered suite by name.
std::map<std::string, SuiteFactory>& Suites();

struct SuiteRegistrar {
  SuiteRegistrar(const char* name, SuiteFactory factory) { Suites()[name] = std::move(factory); }
};

}  // namespace ovelin::test

#define OVELIN_SHELL_SUITE(NAME, CLASS) \
  static const ovelin::test::SuiteRegistrar registrar##CLASS(NAME, [] { return std::make_unique<CLASS>(); });
