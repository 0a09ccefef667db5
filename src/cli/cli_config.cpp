// Commands on the configuration: config get|xml|set-xml.

#include <pugixml.hpp>

#include "base/messages.h"
#include "cli/cli_commands.h"
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "store/config_keys.h"

namespace ovelin::cli {
namespace {

void PrintValue(const CliContext& context, const std::string& value) {
  if (context.WantsJson()) {
    PrintJson(Json(value));
  } else {
    PrintText(value);
  }
}

// A configuration text must parse and have SysConfig as its root element: any
// other text would drop every option of the stored configuration.
bool IsConfigurationText(const std::string& xml) {
  pugi::xml_document doc;
  if (!doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8)) return false;
  return std::string_view(doc.document_element().name()) == config::kRootElement;
}

int Get(CliContext& context, const ParsedArgs& args) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  PrintValue(context, context.Store().GetConfigValue(args.positionals[0], args.positionals[1]));
  return kExitOk;
}

int Xml(CliContext& context, const ParsedArgs&) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  PrintValue(context, context.Store().GetConfigXml());
  return kExitOk;
}

int SetXml(CliContext& context, const ParsedArgs& args) {
  const std::string& file = args.positionals[0];
  const auto xml = ReadInputText(file);
  if (!xml) return Report({MessageId::CannotReadFile, MessageId::None, {file}}, kExitFailed);
  if (!IsConfigurationText(*xml)) {
    return Report({MessageId::NotConfigDocument, MessageId::None, {file}}, kExitFailed);
  }
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  // The store saves the data file itself when it replaces the configuration.
  if (!context.Store().SetConfigXml(*xml)) {
    return Report({MessageId::SaveFailed, MessageId::None, {context.Store().GetDataFilePath()}}, kExitFailed);
  }
  return kExitOk;
}

}  // namespace

std::vector<Command> ConfigCommands() {
  return {
      {"config", "get", "SECTION KEY", "Prints one configuration value (empty when missing).", {}, 2, 2, Get},
      {"config", "xml", "", "Prints the configuration as XML text.", {}, 0, 0, Xml},
      {"config",
       "set-xml",
       "FILE",
       "Replaces the configuration by the XML text of FILE (\"-\": stdin).",
       {},
       1,
       1,
       SetXml,
       "The text's root element must be SysConfig."},
  };
}

}  // namespace ovelin::cli
