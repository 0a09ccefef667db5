#include "base/messages.h"

#include <array>

namespace ovelin {
namespace {

struct Entry {
  MessageId id;
  std::string_view code;
  std::string_view chinese;
  std::string_view english;
};

// One row per identifier, in the order of the enumeration.
constexpr std::array kEntries = {
    Entry{MessageId::None, "", "", ""},
    Entry{MessageId::LoadFailed, "load-failed", "装载数据库失败!", "Failed to load the database!"},
    Entry{MessageId::NoMachineId, "no-machine-id", "无法读取机器特征码!", "Cannot read the machine identifier!"},
    Entry{MessageId::BackupFailed, "backup-failed", "不能创建数据库备份，为了数据安全请手动备份数据库！",
          "Cannot create a backup of the database; please back it up by hand to keep your data safe!"},
    Entry{MessageId::SetNameEmpty, "set-name-empty", "文件集名称不能为空!", "The set name cannot be empty!"},
    Entry{MessageId::SetNameIllegal, "set-name-illegal", "文件集名称中含有以下非法字符:\n<>/\\|;:\"?.+-!空格^",
          "The set name contains one of these illegal characters:\n<>/\\|;:\"?.+-! space ^"},
    Entry{MessageId::NameExists, "name-exists", "名称已经存在！", "The name already exists!"},
    Entry{MessageId::NameConflictsWithSet, "name-conflicts-with-set", "名称和现存文件集冲突！",
          "The name clashes with an existing set!"},
    Entry{MessageId::CreateSetFailed, "create-set-failed", "创建文件集失败，请检查名称是否正确！",
          "Failed to create the set; please check that the name is right!"},
    Entry{MessageId::PropertyNameIllegal, "property-name-illegal", "属性名称中含有一下非法字符：\n<>/\\|;:\"?.+-()空格^",
          "The property name contains one of these illegal characters:\n<>/\\|;:\"?.+-() space ^"},
    Entry{MessageId::ParentPropertyConflict, "parent-property-conflict", "父集属性命名冲突!",
          "The parent sets' property names conflict!"},
    Entry{MessageId::PropertyConflict, "property-conflict", "属性命名冲突!", "Property names conflict!"},
    Entry{MessageId::ExpressionError, "expression-error", "查询表达式错误，请检查!",
          "The query expression is wrong, please check it!"},
    Entry{MessageId::AddViewSetFailed, "add-view-set-failed",
          "新增视图集失败，请检查名称是否重复是否含有非法字符以及表达式的正确性！",
          "Failed to add the view set; please check that the name is not taken and has no illegal "
          "characters, and that the expression is right!"},
    Entry{MessageId::ViewExpressionError, "view-expression-error", "表达式语法错误，请检查！",
          "The expression's syntax is wrong, please check it!"},
    Entry{MessageId::ViewNameError, "view-name-error", "名称错误，请检查！", "The name is wrong, please check it!"},
    Entry{MessageId::DeleteViewSetFailed, "delete-view-set-failed", "删除视图集失败！", "Failed to delete the view set!"},
    Entry{MessageId::NoLibraryHere, "no-library", "{1}中还没有文件库，请先运行 ovelin-cli init",
          "There is no library in {1} yet; run ovelin-cli init first"},
    Entry{MessageId::UnknownSet, "unknown-set", "没有名为\"{1}\"的文件集", "There is no entity set named \"{1}\""},
    Entry{MessageId::UnknownParent, "unknown-parent", "没有名为\"{1}\"的父集", "There is no parent set named \"{1}\""},
    Entry{MessageId::ParentCycle, "parent-cycle", "\"{1}\"是\"{2}\"本身或其子孙，不能成为它的父集",
          "\"{1}\" cannot become a parent of \"{2}\": it is the set itself or one of its descendants"},
    Entry{MessageId::BadDefinition, "bad-definition", "属性定义\"{1}\"有误：应为 名称;类型;下限;上限;初值[;来源]",
          "Bad property definition \"{1}\": expected name;type;min;max;init[;origin]"},
    Entry{MessageId::BadDefinitionType, "bad-definition-type", "属性定义\"{1}\"有误：类型应为 NUMBER 或 STRING",
          "Bad property definition \"{1}\": the type is NUMBER or STRING"},
    Entry{MessageId::BadDefinitionOrigin, "bad-definition-origin", "属性定义\"{1}\"有误：来源应为 Self、Parent 或 Ext",
          "Bad property definition \"{1}\": the origin is Self, Parent or Ext"},
    Entry{MessageId::TypeUnchangeable, "type-unchangeable", "属性\"{1}\"的类型不能更改；请删除该属性后重新添加",
          "The type of property \"{1}\" cannot be changed; remove the property and add it again"},
    Entry{MessageId::ExtendNotAParent, "extend-not-a-parent", "\"{1}\"不是该文件集的父集，不能扩展它的存储路径",
          "\"{1}\" is not a parent of the set, so its store path cannot be extended"},
    Entry{MessageId::NameUsedBySet, "name-used-by-set", "已有名为\"{1}\"的文件集", "An entity set is named \"{1}\""},
    Entry{MessageId::NameUsedByViewSet, "name-used-by-view-set", "已有名为\"{1}\"的视图集", "A view set is named \"{1}\""},
    Entry{MessageId::DuplicateDefinition, "duplicate-definition", "属性\"{1}\"定义了不止一次",
          "The property \"{1}\" is defined more than once"},
    Entry{MessageId::ExpressionEmpty, "expression-empty", "表达式为空", "The expression is empty"},
    Entry{MessageId::ExpressionTooLarge, "expression-too-large", "表达式太大，超出了求值的工作上限",
          "The expression is too large: it exceeds the bounds of evaluation work"},
    Entry{MessageId::UnknownName, "unknown-name", "第{1}个字符处：没有名为\"{2}\"的文件集或视图集",
          "At character {1}: no entity set or view set is named \"{2}\""},
    Entry{MessageId::ConditionWithoutSet, "condition-without-set",
          "第{1}个字符处：条件\"{2}\"前面缺少文件集名称（名称和条件之间用空格分开）",
          "At character {1}: the condition \"{2}\" needs a set name before it (a space between name and condition)"},
    Entry{MessageId::UnknownOperator, "unknown-operator",
          "第{1}个字符处：未知的运算符\"{2}\"（集合运算用 + - ^，条件用 = != > >= < <=）",
          "At character {1}: unknown operator \"{2}\" (sets combine with + - ^, conditions use = != > >= < <=)"},
    Entry{MessageId::UnclosedParenthesis, "unclosed-parenthesis", "第{1}个字符处的\"(\"没有配对的\")\"",
          "At character {1}: the \"(\" is never closed"},
    Entry{MessageId::UnopenedParenthesis, "unopened-parenthesis", "第{1}个字符处的\")\"前面没有配对的\"(\"",
          "At character {1}: the \")\" has no \"(\" before it"},
    Entry{MessageId::EmptyParentheses, "empty-parentheses", "第{1}个字符处：括号中没有内容",
          "At character {1}: the parentheses hold nothing"},
    Entry{MessageId::OperandMissing, "operand-missing", "第{1}个字符处：\"{2}\"前面缺少文件集或视图集",
          "At character {1}: a set or view set is missing before \"{2}\""},
    Entry{MessageId::OperandMissingAtEnd, "operand-missing-at-end", "第{1}个字符处：\"{2}\"后面缺少文件集或视图集",
          "At character {1}: a set or view set is missing after \"{2}\""},
    Entry{MessageId::OperatorMissing, "operator-missing", "第{1}个字符处：前面缺少运算符 + - ^",
          "At character {1}: an operator (+ - ^) is missing before it"},
    Entry{MessageId::BadCondition, "bad-condition", "第{1}个字符处：条件\"{2}\"写法有误，应为 属性>值 或 值<属性<值 的形式",
          "At character {1}: the condition \"{2}\" is malformed; write property>value or value<property<value"},
    Entry{MessageId::MissingQuote, "missing-quote", "第{1}个字符处的双引号没有配对的结束引号",
          "At character {1}: the double quote is never closed"},
    Entry{MessageId::TextNeedsQuotes, "text-needs-quotes", "第{1}个字符处：属性\"{2}\"是文本（STRING），值要用双引号括起来",
          "At character {1}: property \"{2}\" holds text (STRING); put the value in double quotes"},
    Entry{MessageId::NumberNeedsNoQuotes, "number-needs-no-quotes",
          "第{1}个字符处：属性\"{2}\"是数值（NUMBER），值不能加双引号",
          "At character {1}: property \"{2}\" holds numbers (NUMBER); write the value without double quotes"},
    Entry{MessageId::UndefinedProperty, "undefined-property", "第{1}个字符处：文件集\"{3}\"没有定义属性\"{2}\"",
          "At character {1}: the set \"{3}\" defines no property \"{2}\""},
    Entry{MessageId::ConditionOnViewSet, "condition-on-view-set", "第{1}个字符处：\"{2}\"是视图集，视图集没有属性，不能加条件",
          "At character {1}: \"{2}\" is a view set; view sets have no properties to put conditions on"},
    Entry{MessageId::ViewSetCycle, "view-set-cycle", "第{1}个字符处：视图集\"{2}\"的表达式又引用了它自己",
          "At character {1}: the expression of view set \"{2}\" leads back to itself"},
    Entry{MessageId::ViewSetFails, "view-set-fails", "第{1}个字符处：视图集\"{2}\"的表达式有误：{3}",
          "At character {1}: the expression of view set \"{2}\" fails: {3}"},
    Entry{MessageId::NameEmpty, "name-empty", "名称不能为空", "The name cannot be empty"},
    Entry{MessageId::NameIllegal, "name-illegal", "名称\"{1}\"中含有非法字符\"{2}\"（名称不能含有 <>/\\|;:\"?.+-() 空格 ^）",
          "The name \"{1}\" contains the illegal character \"{2}\" (names cannot contain <>/\\|;:\"?.+-() space ^)"},
    Entry{MessageId::UnknownViewSet, "unknown-view-set", "没有名为\"{1}\"的视图集", "There is no view set named \"{1}\""},
    Entry{MessageId::SaveFailed, "save-failed", "数据文件\"{1}\"写入失败", "Cannot write the data file \"{1}\""},
    Entry{MessageId::TemplateExportSucceeded, "template-exported", "模板导出成功!", "The template was exported!"},
    Entry{MessageId::TemplateExportFailed, "template-export-failed", "模板导出失败!", "Failed to export the template!"},
    Entry{MessageId::TemplateImportFailed, "template-import-failed", "模板导入失败!", "Failed to import the template!"},
    Entry{MessageId::UndefinedItemProperty, "undefined-item-property", "文件集{2}及其上下级都没有定义属性\"{1}\"",
          "No set of {2}, their ancestors or their descendants defines the property \"{1}\""},
    Entry{MessageId::ItemEditFailed, "item-edit-failed", "修改项目失败!", "Failed to change the item!"},
    Entry{MessageId::UnknownItem, "unknown-item", "没有路径为\"{1}\"的项目", "There is no item with the path \"{1}\""},
    Entry{MessageId::ItemWithoutSets, "item-without-sets", "项目至少要属于一个文件集", "An item belongs to one set at least"},
    Entry{MessageId::ItemSetsPropertyConflict, "item-sets-property-conflict", "父集属性冲突!",
          "The parent sets' properties conflict!"},
    Entry{MessageId::PropertyTypesDiffer, "property-types-differ", "文件集{2}给属性\"{1}\"定义了不同的类型",
          "The sets {2} give the property \"{1}\" different types"},
    Entry{MessageId::ItemPropertyUndefined, "item-property-undefined", "文件集{2}及其上级都没有定义属性\"{1}\"",
          "No set of {2} or their ancestors defines the property \"{1}\""},
    // The filing engine words how a value misses a set's range; {1} is its sentence.
    Entry{MessageId::ValueOutOfRange, "value-out-of-range", "{1}", "{1}"},
    Entry{MessageId::PropertyAssignmentMalformed, "property-assignment-malformed", "--prop 应为 名称=值，而不是\"{1}\"",
          "--prop takes NAME=VALUE, not \"{1}\""},
    Entry{MessageId::NothingToChange, "nothing-to-change", "请给出 --name、--description、--prop 或 --sets 中的至少一项",
          "Give at least one of --name, --description, --prop or --sets"},
};
constexpr bool InEnumerationOrder() {
  for (size_t i = 0; i < kEntries.size(); ++i) {
    if (static_cast<size_t>(kEntries[i].id) != i) return false;
  }
  return kEntries.size() == static_cast<size_t>(MessageId::Count);
}
static_assert(InEnumerationOrder(), "one row per message identifier, in order");

const Entry& EntryOf(MessageId id) {
  const auto index = static_cast<size_t>(id);
  return index < kEntries.size() ? kEntries[index] : kEntries[0];
}

std::string Fill(std::string_view pattern, const std::vector<std::string>& values) {
  std::string text;
  for (size_t at = 0; at < pattern.size();) {
    const size_t close = pattern[at] == '{' ? pattern.find('}', at) : std::string_view::npos;
    if (close != std::string_view::npos && close - at == 2 && pattern[at + 1] >= '1' && pattern[at + 1] <= '9' &&
        static_cast<size_t>(pattern[at + 1] - '1') < values.size()) {
      text += values[pattern[at + 1] - '1'];
      at = close + 1;
      continue;
    }
    text += pattern[at++];
  }
  return text;
}

}  // namespace

std::string_view MessagePattern(MessageId id, Language language) {
  const Entry& entry = EntryOf(id);
  return language == Language::English ? entry.english : entry.chinese;
}

std::string MessageText(MessageId id, const std::vector<std::string>& values) {
  return MessageText(id, InterfaceLanguage(), values);
}

std::string MessageText(MessageId id, Language language, const std::vector<std::string>& values) {
  return Fill(MessagePattern(id, language), values);
}

std::string_view MessageCode(MessageId id) { return EntryOf(id).code; }

}  // namespace ovelin
