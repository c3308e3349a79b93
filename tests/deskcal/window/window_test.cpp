// 万年历窗口: the real dialog under Xvfb, driven through its controls and handlers,
// with screenshots saved for a person to look at.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/stopwatch.h>
#include <wx/choice.h>
#include <wx/image.h>
#include <wx/process.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "deskcal/calendar/display_texts.h"
#include "deskcal/calendar/month_grid_layout.h"
#include "deskcal/calendar/lunar_tables.h"
#include "deskcal/gui/about_box.h"
#include "deskcal/gui/calendar_dialog.h"
#include "deskcal/gui/instance_link.h"
#include "deskcal/gui/window_ids.h"
#include "gui/window_support.h"
#include "platform/clock.h"

namespace deskcal {
namespace {

using namespace window_test;

std::string g_tallis;  // the real program, for the second start

// Dark pixels inside a rectangle of the screenshot: ink of a glyph.
int dark_pixels(const wxImage& image, const wxRect& screenRect) {
    int count = 0;
    for (int y = screenRect.y; y < screenRect.GetBottom(); ++y)
        for (int x = screenRect.x; x < screenRect.GetRight(); ++x)
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 128) ++count;
    return count;
}

CalendarDate Date(int y, int m, int d) {
    CalendarDate date;
    SetDate(date, y, m, d);
    return date;
}

class CalendarWindow : public ::testing::Test {
protected:
    void SetUp() override {
        platform::set_clock_override({2023, 4, 9, 12, 0, 0});
        m_dialog = new CalendarDialog();
        m_dialog->Move(0, 0);
        m_dialog->Show();
        pump(200);
    }
    void TearDown() override {
        m_dialog->Destroy();
        pump(100);
        platform::clear_clock_override();
    }

    CalendarPanel& Panel() { return *m_dialog->Panel(); }
    MonthGrid& Grid() { return *Panel().Grid(); }

    // Screen position of a point in the grid's client area.
    wxPoint OnScreen(int x, int y) { return Grid().ClientToScreen(wxPoint(x, y)); }

    void ExpectShown(int y, int m, int d) {
        EXPECT_EQ(y, Grid().Date().year);
        EXPECT_EQ(m, Grid().Date().month);
        EXPECT_EQ(d, Grid().Date().day);
        EXPECT_EQ(y, m_dialog->CurrentDate().year);
        EXPECT_EQ(m, m_dialog->CurrentDate().month);
        EXPECT_EQ(d, m_dialog->CurrentDate().day);
        EXPECT_EQ(m - 1, Panel().MonthList()->GetSelection());
        EXPECT_EQ(y, Panel().Spin()->GetValue());
        EXPECT_EQ(wxString::Format("%4d", y), Panel().YearField()->GetValue());
    }

    void ClickGrid(int x, int y) {
        wxUIActionSimulator sim;
        sim.MouseMove(OnScreen(x, y));
        pump(50);
        sim.MouseClick();
        pump(150);
    }

    CalendarDialog* m_dialog = nullptr;
};

TEST_F(CalendarWindow, OpensOnTodayWithTheTodayLine) {
    ExpectShown(2023, 4, 9);
    EXPECT_EQ(wxString(today_text(2023, 4, 9).c_str(), wxCSConv("GBK")), m_dialog->TodayLine()->GetLabel());
    EXPECT_EQ(wxString(L"Kerrow万年历"), m_dialog->GetTitle());
}

TEST_F(CalendarWindow, April2023GridShowsTheThirdMonthOnThe20th) {
    ASSERT_TRUE(Panel().ShowDate(Date(2023, 4, 20)));
    const wxImage shot = take_screenshot("tallis-april-2023");
    const CellOrigin selected = day_cell(2023, 4, 20);
    EXPECT_EQ(wxColour(180, 70, 70), pixel_at(shot, OnScreen(selected.left + 16, selected.top + 1)));  // selected cell
    EXPECT_EQ(wxColour(180, 70, 70), pixel_at(shot, OnScreen(100, 2)));                                // title bar
    EXPECT_EQ(wxColour(255, 255, 255), pixel_at(shot, OnScreen(5 * 32 + 16, 26 + 10)));                // empty cell before the 1st
    // Each day cell carries a lunar image with ink; the empty cells carry none.
    for (int day : {1, 19, 21, 30}) {
        const CellOrigin cell = day_cell(2023, 4, day);
        EXPECT_GT(dark_pixels(shot, wxRect(OnScreen(cell.left + 18, cell.top), wxSize(13, 20))), 10) << "day " << day;
    }
    EXPECT_EQ(0, dark_pixels(shot, wxRect(OnScreen(0, 26), wxSize(6 * 32, 20))));
}

// The side panel names a leap month as such: 闰 stands where other months have
// their leading full-width space, so its first character carries ink.
TEST_F(CalendarWindow, TheInfoAreaSaysLeapForADayOfTheLeapMonth) {
    const wxRect firstSign(39, 76, 12, 15);  // inside the first character of the month line
    ASSERT_TRUE(Panel().ShowDate(Date(2023, 4, 10)));  // 闰二月二十
    EXPECT_EQ(wxString(L"闰二月"), wxString(Panel().ShownMonthText().c_str(), wxCSConv("GBK")));
    pump(200);
    wxImage shot = take_screenshot("tallis-leap-second-month");
    EXPECT_GT(dark_pixels(shot, wxRect(Panel().ClientToScreen(firstSign.GetTopLeft()), firstSign.GetSize())), 10);

    ASSERT_TRUE(Panel().ShowDate(Date(2023, 3, 10)));  // the second month itself
    EXPECT_EQ(wxString(L"\u3000二月"), wxString(Panel().ShownMonthText().c_str(), wxCSConv("GBK")));
    pump(200);
    shot = take_screenshot("tallis-second-month");
    EXPECT_EQ(0, dark_pixels(shot, wxRect(Panel().ClientToScreen(firstSign.GetTopLeft()), firstSign.GetSize())));

    ASSERT_TRUE(Panel().ShowDate(Date(2023, 4, 20)));  // 三月初一, after the leap month
    EXPECT_EQ(wxString(L"\u3000三月"), wxString(Panel().ShownMonthText().c_str(), wxCSConv("GBK")));
    ASSERT_TRUE(Panel().ShowDate(Date(2033, 12, 22)));  // the leap month after the eleventh
    EXPECT_EQ(wxString(L"闰十一月"), wxString(Panel().ShownMonthText().c_str(), wxCSConv("GBK")));
}

TEST_F(CalendarWindow, February1901GridStartsOnFridayAndShowsLunar1900) {
    ASSERT_TRUE(Panel().ShowDate(Date(1901, 2, 19)));
    ExpectShown(1901, 2, 19);
    const wxImage shot = take_screenshot("tallis-february-1901");
    const CellOrigin first = day_cell(1901, 2, 1);
    EXPECT_EQ(5 * 32, first.left);
    EXPECT_GT(dark_pixels(shot, wxRect(OnScreen(first.left, first.top), wxSize(32, 20))), 10);
    EXPECT_EQ(0, dark_pixels(shot, wxRect(OnScreen(0, 26), wxSize(5 * 32, 20))));
    const CellOrigin selected = day_cell(1901, 2, 19);
    EXPECT_EQ(wxColour(180, 70, 70), pixel_at(shot, OnScreen(selected.left + 16, selected.top + 1)));
}

TEST_F(CalendarWindow, ClickOnADayPicksItAndTheDialogFollows) {
    ASSERT_TRUE(Panel().ShowDate(Date(2023, 4, 20)));
    const CellOrigin cell = day_cell(2023, 4, 25);
    ClickGrid(cell.left + 10, cell.top + 10);
    ExpectShown(2023, 4, 25);
    const wxImage shot = take_screenshot("tallis-clicked-25");
    EXPECT_EQ(wxColour(180, 70, 70), pixel_at(shot, OnScreen(cell.left + 16, cell.top + 1)));
}

TEST_F(CalendarWindow, ClickOnAnEmptyCellChangesNothing) {
    ASSERT_TRUE(Panel().ShowDate(Date(2023, 4, 20)));
    ClickGrid(2 * 32 + 10, 26 + 10);            // before the 1st
    ClickGrid(3 * 32 + 10, 26 + 5 * 20 + 10);   // after the 30th
    ClickGrid(50, 10);                          // title bar
    ExpectShown(2023, 4, 20);
}

TEST_F(CalendarWindow, FebruaryChosenWhileTheDayIs31) {
    ASSERT_TRUE(Panel().ShowDate(Date(2023, 3, 31)));
    wxChoice* list = Panel().MonthList();
    list->SetSelection(1);
    wxCommandEvent chosen(wxEVT_CHOICE, list->GetId());
    chosen.SetEventObject(list);
    chosen.SetInt(1);
    list->GetEventHandler()->ProcessEvent(chosen);
    pump(100);
    ExpectShown(2023, 2, 28);
    take_screenshot("tallis-february-from-31");
}

TEST_F(CalendarWindow, NextAndPreviousMonthReduceTheDayAndMoveEveryControl) {
    ASSERT_TRUE(Panel().ShowDate(Date(2024, 1, 31)));
    m_dialog->GoToNextMonth();
    ExpectShown(2024, 2, 29);
    ASSERT_TRUE(Panel().ShowDate(Date(2023, 1, 31)));
    m_dialog->GoToPreviousMonth();
    ExpectShown(2022, 12, 31);
    m_dialog->GoToToday();
    ExpectShown(2023, 4, 9);
}

TEST_F(CalendarWindow, YearFieldIsClampedWhenLeft) {
    wxTextCtrl* field = Panel().YearField();
    EXPECT_EQ(1901, Panel().Spin()->GetMin());
    EXPECT_EQ(2050, Panel().Spin()->GetMax());

    field->SetValue("1899");  // four characters, but out of range: nothing moves yet
    EXPECT_EQ(2023, Grid().Date().year);
    wxFocusEvent left(wxEVT_KILL_FOCUS, field->GetId());
    left.SetEventObject(field);
    field->GetEventHandler()->ProcessEvent(left);
    pump(50);
    EXPECT_EQ("1901", field->GetValue());
    ExpectShown(1901, 4, 9);

    field->SetValue("2051");
    field->GetEventHandler()->ProcessEvent(left);
    pump(50);
    EXPECT_EQ("2050", field->GetValue());
    ExpectShown(2050, 4, 9);
    take_screenshot("tallis-year-clamped-2050");
}

TEST_F(CalendarWindow, SpinArrowsMoveTheYearAndStopAtTheEnds) {
    YearSpin* spin = Panel().Spin();
    const wxPoint up = spin->ClientToScreen(wxPoint(9, 4));
    const wxPoint down = spin->ClientToScreen(wxPoint(9, 16));
    wxUIActionSimulator sim;
    ASSERT_TRUE(Panel().ShowDate(Date(2049, 6, 15)));
    for (int i = 0; i < 3; ++i) {
        sim.MouseMove(up);
        pump(30);
        sim.MouseClick();
        pump(100);
    }
    ExpectShown(2050, 6, 15);
    ASSERT_TRUE(Panel().ShowDate(Date(1902, 6, 15)));
    for (int i = 0; i < 3; ++i) {
        sim.MouseMove(down);
        pump(30);
        sim.MouseClick();
        pump(100);
    }
    ExpectShown(1901, 6, 15);
}

TEST_F(CalendarWindow, YearFieldTypingKeepsDigitsAndMovesTheGrid) {
    wxTextCtrl* field = Panel().YearField();
    field->SetFocus();
    field->SelectAll();
    pump(50);
    wxUIActionSimulator sim;
    sim.Text("19x84");
    pump(200);
    EXPECT_EQ("1984", field->GetValue());
    ExpectShown(1984, 4, 9);
}

TEST_F(CalendarWindow, ColourMenuEntryReplacesTheColour) {
    Grid().SetColourChooser([](wxWindow*) { return std::optional<wxColour>(wxColour(30, 90, 200)); });
    wxCommandEvent entry(wxEVT_MENU, ids::kMenuTitleBackground);
    Grid().GetEventHandler()->ProcessEvent(entry);
    EXPECT_EQ(wxColour(30, 90, 200), Grid().GetGridColour(GridColour::TitleBackground));

    Grid().SetColourChooser([](wxWindow*) { return std::optional<wxColour>(); });  // cancelled
    wxCommandEvent cancelled(wxEVT_MENU, ids::kMenuSelectedBackground);
    Grid().GetEventHandler()->ProcessEvent(cancelled);
    EXPECT_EQ(wxColour(180, 70, 70), Grid().GetGridColour(GridColour::SelectedBackground));

    const wxImage shot = take_screenshot("tallis-title-colour");
    EXPECT_EQ(wxColour(30, 90, 200), pixel_at(shot, OnScreen(100, 2)));
}

// The about entry opens the calendar's own box: its icon, its name and the years
// it covers, a fixed size, closed by OK.
TEST_F(CalendarWindow, AboutEntryOpensTheCalendarsOwnBox) {
    bool seen = false;
    when_open<AboutBox>([&](AboutBox& box) {
        seen = true;
        pump(300);
        EXPECT_EQ(wxString(L"关于 Kerrow万年历"), box.GetTitle());
        auto* icon = control_of<wxStaticBitmap>(box, about_ids::kIcon);
        ASSERT_NE(nullptr, icon);
        EXPECT_EQ(48, icon->GetBitmap().GetWidth());
        const wxString text = control_of<wxStaticText>(box, about_ids::kText)->GetLabel();
        EXPECT_TRUE(text.Contains(wxString::Format(L"%d 年至 %d 年", kFirstYear, kLastYear))) << text.utf8_str();
        EXPECT_EQ(box.GetMinSize(), box.GetMaxSize());
        take_screenshot("tallis-about");
        click_button(box, wxID_OK);
    });
    wxCommandEvent entry(wxEVT_MENU, ids::kMenuAbout);
    m_dialog->GetEventHandler()->ProcessEvent(entry);
    EXPECT_TRUE(seen);
    EXPECT_EQ(nullptr, open_window<AboutBox>());
}

TEST_F(CalendarWindow, MinimisingHidesInTheTrayWithTodaysTip) {
    m_dialog->MinimiseToTray();
    pump(100);
    EXPECT_FALSE(m_dialog->IsShown());
    EXPECT_TRUE(m_dialog->IsMinimised());
    EXPECT_TRUE(m_dialog->InTray());
    EXPECT_EQ(tray_tip_text(2023, 4, 9), m_dialog->TrayTip());
    m_dialog->RestoreFromTray();
    pump(100);
    EXPECT_TRUE(m_dialog->IsShown());
    EXPECT_FALSE(m_dialog->IsMinimised());
}

// Where the calendar's icon sits in the notification area: its red band in the strip
// the tray program takes at the top right of the screen.
bool find_tray_icon(wxPoint* where) {
    const wxImage shot = take_screenshot("tallis-tray-search");
    int found = 0;
    wxPoint sum;
    for (int y = 0; y < 40 && y < shot.GetHeight(); ++y)
        for (int x = shot.GetWidth() / 2; x < shot.GetWidth(); ++x)
            if (pixel_at(shot, wxPoint(x, y)) == wxColour(180, 70, 70)) {
                ++found;
                sum += wxPoint(x, y);
            }
    if (found < 10) return false;
    *where = wxPoint(sum.x / found, sum.y / found + 4);  // the band is the icon's top third
    return true;
}

// The calendar in a notification area (trayer) on a desktop with a window manager.
class TrayWindow : public CalendarWindow {
protected:
    void SetUp() override {
        CalendarWindow::SetUp();
        m_tray = std::make_unique<DesktopProgram>(
            "trayer", "--edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 32 "
                      "--transparent false --tint 0xffffff --alpha 0 --SetDockType true");
    }
    void TearDown() override {
        m_tray.reset();
        CalendarWindow::TearDown();
    }

    std::unique_ptr<DesktopProgram> m_tray;
};

TEST_F(TrayWindow, AClickOnTheIconRestoresTheCalendar) {
    ASSERT_TRUE(m_tray->started());
    // The minimise button, as a user presses it: the window manager iconises, the calendar hides.
    m_dialog->Iconize(true);
    ASSERT_TRUE(wait_for([this] { return !m_dialog->IsShown(); }, 3000)) << "minimised, the calendar hides in the tray";
    EXPECT_TRUE(m_dialog->InTray());
    wxPoint icon;
    ASSERT_TRUE(wait_for([&icon] { return find_tray_icon(&icon); }, 5000)) << "no icon in the notification area";
    take_screenshot("tallis-tray-icon");

    wxUIActionSimulator mouse;
    mouse.MouseMove(icon);
    pump(100);
    mouse.MouseClick();
    EXPECT_TRUE(wait_for([this] { return m_dialog->IsShown() && !m_dialog->IsIconized(); }, 3000));
    pump(300);
    EXPECT_FALSE(m_dialog->IsMinimised());
    take_screenshot("tallis-tray-restored");

    // Clicked again while shown, the icon minimises it.
    mouse.MouseMove(icon);
    pump(100);
    mouse.MouseClick();
    EXPECT_TRUE(wait_for([this] { return !m_dialog->IsShown(); }, 3000));
}

TEST_F(TrayWindow, ARightClickOpensTheMenuAndItsRestoreEntryWorks) {
    ASSERT_TRUE(m_tray->started());
    EXPECT_EQ(nullptr, m_dialog->TrayMenu()) << "no menu while the calendar is shown";
    m_dialog->MinimiseToTray();
    wxPoint icon;
    ASSERT_TRUE(wait_for([&icon] { return find_tray_icon(&icon); }, 5000)) << "no icon in the notification area";
    bool menuSeen = false;
    // The menu runs its own loop: look at it and choose 恢复(&R) from a timer.
    new Watch([&menuSeen, started = wxGetLocalTimeMillis()] {
        if (wxGetLocalTimeMillis() - started < 700) return false;
        menuSeen = true;
        take_screenshot("tallis-tray-menu");
        wxUIActionSimulator keys;
        keys.Char(WXK_DOWN);
        pump(100);
        keys.Char(WXK_RETURN);
        return true;
    });
    wxUIActionSimulator mouse;
    mouse.MouseMove(icon);
    pump(100);
    mouse.MouseClick(wxMOUSE_BTN_RIGHT);
    EXPECT_TRUE(wait_for([this] { return m_dialog->IsShown(); }, 5000)) << "恢复(&R) shows the calendar";
    EXPECT_TRUE(menuSeen);
    EXPECT_FALSE(m_dialog->IsMinimised());
}

TEST_F(CalendarWindow, SecondStartShowsTheCalendarHiddenInTheTray) {
    ASSERT_FALSE(g_tallis.empty());
    InstanceLink link;
    ASSERT_FALSE(link.AnotherIsRunning());
    ASSERT_TRUE(link.Listen([this] { m_dialog->BringForward(); }));
    m_dialog->Iconize(true);  // through the window manager, as the minimise button does
    ASSERT_TRUE(wait_for([this] { return !m_dialog->IsShown(); }, 3000));

    EXPECT_EQ(0, run_to_end(g_tallis, 20000)) << "the second tallis ends at once";
    EXPECT_TRUE(wait_for([this] { return m_dialog->IsShown() && !m_dialog->IsIconized(); }, 3000));
    pump(500);  // a late iconise from the window manager would hide it again
    EXPECT_TRUE(m_dialog->IsShown());
    EXPECT_FALSE(m_dialog->IsMinimised());
    take_screenshot("tallis-brought-forward");
}

// The real program, started alone: its dialog appears and it keeps running until ended.
TEST(TallisProgram, OpensItsCalendarWindow) {
    RunningProcess watcher;
    const long pid = wxExecute(g_tallis, wxEXEC_ASYNC, &watcher);
    ASSERT_GT(pid, 0);
    pump(2500);
    ASSERT_FALSE(watcher.done) << "tallis ended by itself with status " << watcher.status;
    const wxImage shot = take_screenshot("tallis-program");
    int titleBar = 0;
    for (int y = 0; y < shot.GetHeight(); ++y)
        for (int x = 0; x < shot.GetWidth(); ++x)
            if (pixel_at(shot, wxPoint(x, y)) == wxColour(180, 70, 70)) ++titleBar;
    EXPECT_GT(titleBar, 200 * 18);  // the grid's title bar, at least
    wxProcess::Kill(pid, wxSIGTERM);
    const wxStopWatch watch;
    while (!watcher.done && watch.Time() < 5000) pump(50);
    EXPECT_TRUE(watcher.done);
}

}  // namespace
}  // namespace deskcal

// tallis_window_tests TALLIS SCREENSHOT_DIR [gtest flags]
int main(int argc, char** argv) {
    window_test::WindowTestHooks hooks;
    hooks.arguments = [](int count, char** args) {
        if (count < 3) {
            std::fprintf(stderr, "usage: %s path/to/tallis screenshot-dir\n", args[0]);
            return false;
        }
        deskcal::g_tallis = args[1];
        window_test::set_screenshot_folder(args[2]);
        return true;
    };
    return window_test::run_window_tests(argc, argv, hooks);
}
