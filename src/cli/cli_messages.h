#pragma once
// The messages that the desktop program shows for the same situations; the
// command-line program prints them on stderr (line breaks as "\n").

#include <string_view>

namespace ovelin::cli {

inline constexpr std::string_view kMsgLoadFailed = "装载数据库失败!";
inline constexpr std::string_view kMsgNoMachineId = "无法读取机器特征码!";
inline constexpr std::string_view kMsgBackupFailed = "不能创建数据库备份，为了数据安全请手动备份数据库！";
inline constexpr std::string_view kMsgSetNameEmpty = "文件集名称不能为空!";
inline constexpr std::string_view kMsgSetNameIllegal = "文件集名称中含有以下非法字符:\n<>/\\|;:\"?.+-!空格^";
inline constexpr std::string_view kMsgNameExists = "名称已经存在！";
inline constexpr std::string_view kMsgNameConflictsWithSet = "名称和现存文件集冲突！";
inline constexpr std::string_view kMsgCreateSetFailed = "创建文件集失败，请检查名称是否正确！";
inline constexpr std::string_view kMsgPropertyNameIllegal = "属性名称中含有一下非法字符：\n<>/\\|;:\"?.+-()空格^";
inline constexpr std::string_view kMsgParentPropertyConflict = "父集属性命名冲突!";
inline constexpr std::string_view kMsgPropertyConflict = "属性命名冲突!";
inline constexpr std::string_view kMsgExpressionError = "查询表达式错误，请检查!";
inline constexpr std::string_view kMsgAddViewSetFailed =
    "新增视图集失败，请检查名称是否重复是否含有非法字符以及表达式的正确性！";
inline constexpr std::string_view kMsgViewExpressionError = "表达式语法错误，请检查！";
inline constexpr std::string_view kMsgViewNameError = "名称错误，请检查！";
inline constexpr std::string_view kMsgDeleteViewSetFailed = "删除视图集失败！";

}  // namespace ovelin::cli
