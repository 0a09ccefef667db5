#pragma once
// Fixed numbers of the program's commands; each QAction carries its number as data.

namespace ovelin {

enum CommandId : int {
  // Main menu and toolbar
  kCmdForward = 32800,
  kCmdBack = 32801,
  kCmdArchive = 32803,
  kCmdNew = 32804,
  kCmdDelete = 32826,
  kCmdRefresh = 32828,
  kCmdExportTemplate = 32837,
  kCmdImportTemplate = 32838,
  kCmdFind = 32860,
  kCmdHomePage = 32869,
  kCmdOptions = 32871,
  kCmdGuidance = 109,
  kCmdAbout = 57664,
  kCmdExit = 57665,
  kCmdHelp = 57670,
  // Tray menu
  kCmdTrayOpen = 32851,
  kCmdTrayAbout = 32853,
  kCmdTrayExit = 32854,
  // Entity set tree menu
  kCmdTreeShow = 32779,
  kCmdTreeAnd = 32791,
  kCmdTreeOr = 32792,
  kCmdTreeExcept = 32794,
  kCmdTreeGuidance = 32830,
  kCmdTreeFind = 32844,
  kCmdTreeNewSet = 32776,
  kCmdTreeRemoveSet = 32775,
  kCmdTreeQuickViewSet = 32873,
  kCmdTreeArchive = 32777,
  kCmdTreeOpenStorePath = 32810,
  kCmdTreeExportBranch = 32841,
  kCmdTreeImportTemplate = 32842,
  kCmdTreeProperties = 32780,
  // Check-box tree menu
  kCmdCheckTreeFind = 32846,
  kCmdCheckTreeNewChild = 32882,
  // View set list menu
  kCmdViewShow = 32817,
  kCmdViewAnd = 32818,
  kCmdViewOr = 32819,
  kCmdViewExcept = 32820,
  kCmdViewGuidance = 32834,
  kCmdViewNew = 32821,
  kCmdViewDelete = 32824,
  kCmdViewProperties = 32822,
  // Related-query guidance dialog menu
  kCmdGuidFind = 32878,
  kCmdGuidExceptChildren = 32877,
  kCmdGuidClearBelow = 32880,
};

/// How a query request combines with the query panel's current result.
enum QueryMode : int { kQueryShow = 0, kQueryAnd = 1, kQueryOr = 2, kQueryExcept = 3 };

}  // namespace ovelin
