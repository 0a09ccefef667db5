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
    Entry{MessageId::CannotReadFile, "cannot-read-file", "无法读取文件\"{1}\"", "Cannot read the file \"{1}\""},
    Entry{MessageId::CannotWriteFile, "cannot-write-file", "无法写入文件\"{1}\"", "Cannot write the file \"{1}\""},
    Entry{MessageId::NotConfigDocument, "not-config-document", "\"{1}\"不是以SysConfig为根元素的XML文档", "\"{1}\" is not an XML document with a SysConfig root element"},
    Entry{MessageId::NotSetDocument, "not-set-document", "\"{1}\"不是以AllSets为根元素的XML文档", "\"{1}\" is not an XML document with an AllSets root element"},
    Entry{MessageId::UnusableDocument, "unusable-document", "\"{1}\"没有根文件集，或嵌套超过{2}层；没有做任何更改", "\"{1}\" has no root set, or nests deeper than {2} levels; nothing was changed"},
    Entry{MessageId::RestoreBackupFailed, "restore-backup-failed", "恢复之前无法备份\"{1}\"；没有做任何更改", "Cannot back up \"{1}\" before restoring; nothing was changed"},
    Entry{MessageId::DataFileExists, "data-file-exists", "数据文件已经存在：{1}", "A data file exists already: {1}"},
    Entry{MessageId::OptionNeedsFolder, "option-needs-folder", "{1} 需要一个文件夹", "{1} needs a folder"},
    Entry{MessageId::OptionNeedsOption, "option-needs-option", "{1} 只能和 {2} 一起使用", "{1} goes with {2}"},
    Entry{MessageId::BadDepth, "bad-depth", "--depth 需要一个大于等于0的整数，而不是\"{1}\"", "--depth takes a whole number of 0 or more, not \"{1}\""},
    Entry{MessageId::KeywordEmpty, "keyword-empty", "关键字为空", "The keyword is empty"},
    Entry{MessageId::TooManyTargets, "too-many-targets", "一次交接的目标太多", "Too many targets for one hand-over"},
    Entry{MessageId::NoSafeChannel, "no-safe-channel", "没有通往Ovelin桌面程序的安全通道：{1}", "No safe channel to the Ovelin desktop program: {1}"},
    Entry{MessageId::DesktopNotRunning, "desktop-not-running", "Ovelin桌面程序没有运行", "The Ovelin desktop program is not running"},
    Entry{MessageId::HandOverRefused, "hand-over-refused", "Ovelin桌面程序没有接收交接", "The Ovelin desktop program did not take the hand-over"},
    Entry{MessageId::StorePathOptionTwice, "store-path-option-twice", "只能给出一个 --path DIR 或一个 --extend P", "Give only one --path DIR or one --extend P"},
    Entry{MessageId::StorePathOptionMissing, "store-path-option-missing", "请给出 --path DIR 或 --extend P", "Give --path DIR or --extend P"},
    Entry{MessageId::RenameSetFailed, "rename-set-failed", "无法重命名文件集\"{1}\"", "Cannot rename the set \"{1}\""},
    Entry{MessageId::SetParentsFailed, "set-parents-failed", "无法设置文件集\"{1}\"的父集", "Cannot set the parents of the set \"{1}\""},
    Entry{MessageId::SetDefinitionsFailed, "set-definitions-failed", "无法设置文件集\"{1}\"的属性定义", "Cannot set the property definitions of the set \"{1}\""},
    Entry{MessageId::NotAnOverride, "not-an-override", "文件集\"{1}\"没有覆盖继承来的属性\"{2}\"", "The set \"{1}\" does not override an inherited property \"{2}\""},
    Entry{MessageId::RootSetUndeletable, "root-set-undeletable", "根文件集\"{1}\"不能删除", "The root set \"{1}\" cannot be removed"},
    Entry{MessageId::RemoveSetFailed, "remove-set-failed", "无法删除文件集\"{1}\"", "Cannot remove the set \"{1}\""},
    Entry{MessageId::ViewSetsStillRefer, "view-sets-still-refer", "仍然引用\"{1}\"的视图集：{2}", "View sets still referring to \"{1}\": {2}"},
    Entry{MessageId::ArchivedFileNotMovedBack, "archived-file-not-moved-back", "一个已归档的文件没有被记录，暂时无法移回：{1}", "An archived file was never recorded and cannot be moved back yet: {1}"},
    Entry{MessageId::ArchivedFileMovedBack, "archived-file-moved-back", "一个已归档的文件没有被记录（上次运行在保存之前结束），已移回：{1} -> {2}", "An archived file was never recorded (its run ended before saving); moved it back: {1} -> {2}"},
    Entry{MessageId::NoHelpTopic, "no-help-topic", "没有关于\"{1}\"的帮助", "No help for \"{1}\""},
    Entry{MessageId::TemplateUndecipherable, "template-undecipherable", "\"{1}\"不是模板文件，或者已经损坏", "\"{1}\" is not a template file, or it is damaged"},
    Entry{MessageId::TemplateWithoutSets, "template-without-sets", "\"{1}\"中没有可用的文件集结构（没有根文件集，或嵌套过深）", "\"{1}\" holds no usable set structure (no root set, or nested too deeply)"},
    Entry{MessageId::UnreachableStorePath, "unreachable-store-path", "文件集{1}的存储路径无法到达：{2}", "The store path of the set {1} cannot be reached: {2}"},
    Entry{MessageId::ExtensionWithoutParent, "extension-without-parent", "文件集{1}没有指定扩展哪个父集", "the set {1} does not say which parent it extends"},
    Entry{MessageId::NoSuchSet, "no-such-set", "没有这个文件集", "there is no such set"},
    Entry{MessageId::ExtendedParentMissing, "extended-parent-missing", "文件集{1}扩展的父集{2}不存在", "the parent {2} that the set {1} extends does not exist"},
    Entry{MessageId::ExtensionLoop, "extension-loop", "存储路径的扩展在文件集{1}处形成循环", "the store-path extensions form a loop at the set {1}"},
    Entry{MessageId::NoStoreFolder, "no-store-folder", "文件集{1}没有存储文件夹", "the set {1} has no store folder"},
    Entry{MessageId::ValueBelowMinimum, "value-below-minimum", "属性{1}的值{2}低于文件集{3}的下限{4}", "the value {2} of property {1} is below the minimum {4} of the set {3}"},
    Entry{MessageId::ValueAboveMaximum, "value-above-maximum", "属性{1}的值{2}高于文件集{3}的上限{4}", "the value {2} of property {1} is above the maximum {4} of the set {3}"},
    Entry{MessageId::ValueMissing, "value-missing", "缺少属性{1}的值，文件集{2}要求它", "the property {1} has no value, and the set {2} requires one"},
    Entry{MessageId::ReasonSeparator, "reason-separator", "；", "; "},
    Entry{MessageId::FileError, "file-error", "{1}：{2}", "{1}: {2}"},
    Entry{MessageId::FolderIsLink, "folder-is-link", "{1}是符号链接", "{1} is a symbolic link"},
    Entry{MessageId::NotAFolder, "not-a-folder", "{1}不是文件夹", "{1} is not a folder"},
    Entry{MessageId::FolderOfOtherUser, "folder-of-other-user", "{1}属于另一个用户（uid {2}）", "{1} belongs to another user (uid {2})"},
    Entry{MessageId::FolderOpenToOthers, "folder-open-to-others", "{1}对其他用户开放（权限 {2}）", "{1} is open to other users (mode {2})"},
    Entry{MessageId::CannotCreateFolder, "cannot-create-folder", "无法创建{1}：{2}", "Cannot create {1}: {2}"},
    Entry{MessageId::FileKeptNoTrash, "file-kept-no-trash", "文件已保留：它所在的文件系统没有可用的回收站（{1}）；{2} 可以永久删除它", "The file is kept: its file system has no usable trash ({1}); {2} deletes it for good"},
    Entry{MessageId::FileKept, "file-kept", "文件已保留：{1}", "The file is kept: {1}"},
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
    Entry{MessageId::NothingToChange, "nothing-to-change", "请给出 --name、--description、--prop 或 --sets 中的至少一项",
          "Give at least one of --name, --description, --prop or --sets"},
    Entry{MessageId::MoveFailed, "move-failed", "移动文件失败:\n{1}", "Moving the file failed:\n{1}"},
    Entry{MessageId::JournalFailed, "journal-failed", "无法写入归档日志，没有移动文件:\n{1}", "Cannot write the archiving journal; no file was moved:\n{1}"},
    Entry{MessageId::MovedBack, "moved-back", "数据库保存失败，文件已移回原处", "The data file could not be saved; the file was moved back"},
    Entry{MessageId::DeleteFailed, "delete-failed", "文件删除失败\n{1}", "Deleting the file failed\n{1}"},
    Entry{MessageId::FolderTarget, "folder-target", "\"{1}\"是一个文件夹", "\"{1}\" is a folder"},
    Entry{MessageId::FolderTargetHint, "folder-target-hint", "加上 -r/--recursive 归档其中的文件（含子文件夹），或加上 --whole 把它作为一个项目归档", "Add -r/--recursive to archive the files in it (with sub-folders), or --whole to archive it as one item"},
    Entry{MessageId::OnErrorChoice, "on-error-choice", "--on-error 只接受 ignore 或 abort，不接受 {1}", "--on-error takes ignore or abort, not {1}"},
    Entry{MessageId::ItemOptionWithoutTargets, "item-option-without-targets", "{1} 作用于 TARGET，但没有给出 TARGET", "{1} applies to TARGETs, and none was given"},
    Entry{MessageId::NothingToArchive, "nothing-to-archive", "没有要归档的内容：请给出 TARGET 或 --batch FILE", "Nothing to archive: give TARGETs or --batch FILE"},
    Entry{MessageId::BatchUnreadable, "batch-unreadable", "无法读取归档批次 {1}", "Cannot read the batch {1}"},
    Entry{MessageId::NoSuchTarget, "no-such-target", "没有这个文件或文件夹：{1}", "No such file or folder: {1}"},
    Entry{MessageId::NotArchived, "not-archived", "没有归档：{1}：{2}", "Not archived: {1}: {2}"},
    Entry{MessageId::MovedNotRecorded, "moved-not-recorded", "已移动但没有记录，将被移回：{1}", "Moved but not recorded, to be moved back: {1}"},
    Entry{MessageId::ArchivingStopped, "archiving-stopped", "归档在 {2} 个项目中的第 {1} 个之后停止", "Archiving stopped after {1} of {2} items"},
    Entry{MessageId::EmptyTarget, "empty-target", "空的 TARGET 不指向任何东西", "An empty TARGET names nothing"},
    Entry{MessageId::PropOptionNeedsNameValue, "prop-needs-name-value", "--prop 需要 NAME=VALUE，NAME 为属性名：{1}", "--prop needs NAME=VALUE with a property name: {1}"},
    Entry{MessageId::NameOptionBlank, "name-option-blank", "--name 需要一个非空白的名称", "--name needs a name that is not blank"},
    Entry{MessageId::BaseOptionEmpty, "base-option-empty", "--base 需要一个文件夹", "--base needs a folder"},
    Entry{MessageId::BatchOnStdin, "batch-on-stdin", "标准输入上的批次", "the batch on stdin"},
    Entry{MessageId::BatchRecordPlace, "batch-record-place", "{1}：第 {2} 条记录", "{1}: record {2}"},
    Entry{MessageId::BatchNotJson, "batch-not-json", "{1}不是有效的 JSON 文档", "{1} is not a valid JSON document"},
    Entry{MessageId::BatchNotArray, "batch-not-array", "{1}必须是由记录组成的 JSON 数组", "{1} must hold a JSON array of records"},
    Entry{MessageId::BatchRecordNotObject, "batch-record-not-object", "{1}不是 JSON 对象", "{1} is not a JSON object"},
    Entry{MessageId::BatchUnknownField, "batch-unknown-field", "{1}：未知字段\"{2}\"", "{1}: unknown field \"{2}\""},
    Entry{MessageId::BatchFieldNotString, "batch-field-not-string", "{1}：{2}必须是字符串", "{1}: {2} must be a string"},
    Entry{MessageId::BatchBadPropertyValues, "batch-bad-property-values", "{1}：PropValueAry 必须是由\"name;value\"字符串组成的数组", "{1}: PropValueAry must be an array of \"name;value\" strings"},
    Entry{MessageId::BatchNameBlank, "batch-name-blank", "{1}：Name 是空白的", "{1}: Name is blank"},
    Entry{MessageId::BatchUrlMissing, "batch-url-missing", "{1}：Url 缺失或为空", "{1}: Url is missing or empty"},
    Entry{MessageId::BatchUrlIsPath, "batch-url-is-path", "{1}：Url 是本地路径，请写成 file://{2}", "{1}: Url is a local path; write it as file://{2}"},
    Entry{MessageId::EmptyUrl, "empty-url", "空的 URL 不指向任何东西", "An empty URL names nothing"},
    Entry{MessageId::OptionsExclude, "options-exclude", "{1} 与 {2} 不能同时使用", "{1} and {2} exclude each other"},
    // The command line's usage errors, its data folder and lock, and batches.
    Entry{MessageId::UsageNoCommand, "no-command", "没有给出命令", "No command given"},
    Entry{MessageId::UsageUnknownCommand, "unknown-command", "未知命令\"{1}\"", "Unknown command \"{1}\""},
    Entry{MessageId::UsageNeedsSubcommand, "needs-subcommand", "命令\"{1}\"后面需要一个子命令", "\"{1}\" needs a subcommand"},
    Entry{MessageId::UsageUnknownOption, "unknown-option", "未知选项{1}", "Unknown option {1}"},
    Entry{MessageId::UsageOptionNeedsValue, "option-needs-value", "选项{1}需要一个值", "The option {1} needs a value"},
    Entry{MessageId::UsageOptionTakesNoValue, "option-takes-no-value", "选项{1}不接受值", "The option {1} takes no value"},
    Entry{MessageId::UsageMissingArguments, "missing-arguments", "缺少参数", "Missing arguments"},
    Entry{MessageId::UsageTooManyArguments, "too-many-arguments", "参数太多", "Too many arguments"},
    Entry{MessageId::UsageLine, "usage", "用法：{1}", "usage: {1}"},
    Entry{MessageId::UsageHint, "usage-hint", "运行 ovelin-cli --help 查看所有命令", "Try 'ovelin-cli --help'."},
    Entry{MessageId::DataFileLocked, "data-file-locked", "{1}中的数据文件被另一个程序锁定（桌面程序正在运行吗？）",
          "The data file in {1} is locked by another program (is the desktop program running?)"},
    Entry{MessageId::LockFailed, "lock-failed", "无法在{1}中获得写锁", "Cannot take the writer lock in {1}"},
    Entry{MessageId::CannotCreateDataFolder, "cannot-create-data-folder", "无法创建数据文件夹{1}：{2}",
          "Cannot create the data folder {1}: {2}"},
    Entry{MessageId::BatchLineStopped, "batch-line-failed", "批处理第{1}行失败，批处理已停止，没有保存任何更改",
          "Line {1} of the batch failed; the batch stopped and nothing was saved"},
    Entry{MessageId::BatchLineSkipped, "batch-line-skipped", "批处理第{1}行失败，已跳过", "Line {1} of the batch failed and was skipped"},
    Entry{MessageId::BatchCommandRefused, "batch-command-refused", "批处理中不能使用命令\"{1}\"",
          "The command \"{1}\" cannot run inside a batch"},
    Entry{MessageId::BatchNoNesting, "batch-nested", "批处理不能嵌套", "Batches do not nest"},
    Entry{MessageId::BatchNoInit, "batch-init", "init 创建新的数据库，而批处理在已经打开的数据库上工作",
          "init creates a library, and a batch works on one that is open"},
    Entry{MessageId::BatchNoSend, "batch-send", "send 需要正在运行的桌面程序，而批处理持有写锁时桌面程序不能运行",
          "send needs the running desktop program, which cannot run while the batch holds the writer lock"},
    Entry{MessageId::BatchGlobalOption, "batch-global-option", "选项{1}只能写在 batch 命令本身，不能写在批处理的行里",
          "The option {1} belongs to the batch command itself, not to a line of the batch"},
    Entry{MessageId::BatchBadQuoting, "bad-quoting", "引号没有闭合，或者行末是一个反斜杠",
          "A quote is not closed, or the line ends in a backslash"},
    Entry{MessageId::BatchFileMovedBack, "batch-file-moved-back", "已将归档的文件移回：{1} -> {2}",
          "Moved an archived file back: {1} -> {2}"},
    Entry{MessageId::AddSetFailed, "add-set-failed", "无法创建文件集\"{1}\"", "Cannot create the set \"{1}\""},
    Entry{MessageId::SetPathFailed, "set-path-failed", "无法设置文件集\"{1}\"的存储路径",
          "Cannot set the store path of the set \"{1}\""},
    Entry{MessageId::NothingArchived, "nothing-archived", "没有归档任何项目", "Nothing was archived"},
    Entry{MessageId::RestoreFailed, "restore-failed", "没有恢复数据库，数据文件没有更改",
          "Nothing was restored; the data file is unchanged"},
    Entry{MessageId::ItemsNotRemoved, "items-not-removed", "有{1}个项目没有删除", "{1} of the items were not removed"},
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
