// verbdata: compiles the readable verb source into the program's data file and back.
#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>

#include "verbdata_commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Compiles the verb source into the scrambled verb data file, and back."};
  app.require_subcommand(1);

  std::string source, dataFile, output;

  CLI::App* compile = app.add_subcommand("compile", "Source (UTF-8) to data file");
  compile->add_option("SOURCE", source, "verb source")->required();
  compile->add_option("VERBINI", dataFile, "data file to write")->required();

  CLI::App* decompile = app.add_subcommand("decompile", "Data file to source");
  decompile->add_option("VERBINI", dataFile, "data file to read")->required();
  decompile->add_option("SOURCE", output, "source to write (standard output when omitted)");

  CLI::App* check = app.add_subcommand("check", "Tells whether the program would accept a data file");
  check->add_option("VERBINI", dataFile, "data file to check")->required();

  CLI11_PARSE(app, argc, argv);

  if (compile->parsed()) return parlavo::CompileVerbData(source, dataFile, std::cerr);
  if (decompile->parsed()) {
    const std::optional<std::string> target = output.empty() ? std::nullopt : std::optional<std::string>(output);
    return parlavo::DecompileVerbData(dataFile, target, std::cout, std::cerr);
  }
  return parlavo::CheckVerbData(dataFile, std::cout);
}
