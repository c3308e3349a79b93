// 窗口编号: the control, command and resource numbers of the desk calendar's windows.
#pragma once

namespace deskcal::ids {

inline constexpr int kDialog = 102;
inline constexpr int kNextMonthButton = 1030;      // 下月
inline constexpr int kPreviousMonthButton = 1031;  // 上月
inline constexpr int kTodayButton = 1032;          // 今天
inline constexpr int kTodayText = 1033;            // 今天是…

inline constexpr int kPanel = 106;
inline constexpr int kMonthGrid = 107;
inline constexpr int kYearField = 101;
inline constexpr int kMonthList = 102;
inline constexpr int kYearSpin = 103;
inline constexpr int kPanelTodayButton = 105;

inline constexpr int kMenuTitleBackground = 108;    // 标题背景色...
inline constexpr int kMenuTitleText = 109;          // 标题前景色...
inline constexpr int kMenuSelectedBackground = 110; // 选中区颜色...
inline constexpr int kMenuDateText = 111;           // 日期前景色...
inline constexpr int kTrayIcon = 112;
inline constexpr int kMenuRestore = 113;            // 恢复(&R)
inline constexpr int kMenuClose = 114;              // 关闭(&C)
inline constexpr int kMenuAbout = 16;               // 关于 Kerrow万年历(&A)...

}  // namespace deskcal::ids
