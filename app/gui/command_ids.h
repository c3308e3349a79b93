// Command numbers of the chart program's menus and toolbar, used as window ids.
#pragma once

#include <wx/defs.h>

namespace orvane::gui::cmd {

// wx keeps menu ids below 32767 (menus of 16-bit ids elsewhere), so a command
// number becomes its window id with this offset taken off.
inline constexpr int kMenuIdOffset = 30000;
constexpr int menu_id(int command) { return command - kMenuIdOffset; }
constexpr int command_of(int menuId) { return menuId + kMenuIdOffset; }

// 八字
inline constexpr int kInputBirth = 32771;
inline constexpr int kEditBirth = 32831;
inline constexpr int kHistory = 32801;
inline constexpr int kReverseLookup = 32853;
inline constexpr int kSampleReadings = 32799;
inline constexpr int kRecentChart = 32785;
inline constexpr int kKnowledge = 32782;
inline constexpr int kSaveAs = 57604;
inline constexpr int kSave = 57603;
inline constexpr int kPageSetup = 57605;
inline constexpr int kPrintPreview = 32848;
inline constexpr int kPrint = 57607;
inline constexpr int kOpen = 57601;
inline constexpr int kNew = 57600;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kExit = 57665;

// 格式
inline constexpr int kStyleHint = 32850;  // the fixed first item, does nothing
inline constexpr int kFirstStyle = 32803;
inline constexpr int kLastStyle = 32822;

// 工具
inline constexpr int kOptions = 32802;
inline constexpr int kCityCoordinates = 32800;
inline constexpr int kDeskCalendar = 32829;
inline constexpr int kHtmlCalendar = 32830;

// 帮助
inline constexpr int kHomePage = 32790;
inline constexpr int kLatestVersion = 32797;
inline constexpr int kStyleDownload = 32795;
inline constexpr int kUserInfo = 32780;
inline constexpr int kGuestBook = 32791;
inline constexpr int kQuestions = 32794;
inline constexpr int kHelpFile = 32777;
inline constexpr int kAbout = 57664;

// 浏览 and 编辑
inline constexpr int kWelcome = 32852;
inline constexpr int kBack = 32787;
inline constexpr int kForward = 32786;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;

// 查看
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;

}  // namespace orvane::gui::cmd
