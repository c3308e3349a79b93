// 八字程序窗口: the main frame, the chart window and the dialogs under Xvfb,
// driven through their controls and handlers, with screenshots for a person.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/process.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/settings.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "app/gui/birth_dlg.h"
#include "app/gui/city_dlg.h"
#include "app/gui/color_progress_ctrl.h"
#include "app/gui/command_ids.h"
#include "app/gui/gbk.h"
#include "app/gui/history_dialog.h"
#include "app/gui/main_frame.h"
#include "app/gui/options_dlg.h"
#include "app/gui/orvane_app.h"
#include "app/gui/progress_dlg.h"
#include "app/gui/reverse_dialog.h"
#include "app/gui/tamsel_view.h"
#include "app/gui/yes_no_dlg.h"
#include "engine/chart_state.h"
#include "engine/options.h"
#include "platform/message.h"
#include "platform/program_dir.h"
#include "report/style_folder.h"
#include "support/gbk_assert.h"

namespace orvane::gui {
namespace {

namespace fs = std::filesystem;

std::string g_builtProgram;  // the build's program folder (bin), with orvane in it
std::string g_screenshots;
std::string g_program;       // a copy of the program folder that the tests write into
CMainFrame* g_frame = nullptr;

void Pump(int milliseconds) {
    const wxStopWatch watch;
    while (watch.Time() < milliseconds) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
}

wxImage Screenshot(const std::string& name) {
    Pump(400);
    const std::string path = g_screenshots + "/" + name + ".png";
    const std::string command = "import -window root '" + path + "'";
    EXPECT_EQ(0, std::system(command.c_str())) << command;
    wxImage image;
    EXPECT_TRUE(image.LoadFile(path, wxBITMAP_TYPE_PNG)) << path;
    return image;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

template <class T>
T* OpenWindow() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* found = dynamic_cast<T*>(window); found && found->IsShown()) return found;
    return nullptr;
}

// Runs `step` once a shown window of type T exists, from a timer, so that it runs
// inside whatever modal dialog or build is going on. Gives up after ten seconds.
class Watch : public wxTimer {
public:
    explicit Watch(std::function<bool()> attempt) : m_attempt(std::move(attempt)) { Start(5); }
    void Notify() override {
        if (m_running) return;
        m_running = true;
        const bool done = m_attempt() || m_watch.Time() > 10000;
        m_running = false;
        if (done) {
            Stop();
            wxTheApp->CallAfter([this] { delete this; });
        }
    }

private:
    std::function<bool()> m_attempt;
    wxStopWatch m_watch;
    bool m_running = false;
};

template <class T>
void WhenOpen(std::function<void(T&)> step) {
    new Watch([step] {
        T* window = OpenWindow<T>();
        if (window) step(*window);
        return window != nullptr;
    });
}

template <class C>
C* Control(wxWindow& parent, int id) {
    return dynamic_cast<C*>(wxWindow::FindWindowById(id, &parent));
}

void Choose(wxWindow& dialog, int id, const wxString& text) {
    auto* list = Control<wxComboBox>(dialog, id);
    ASSERT_NE(list, nullptr) << id;
    list->SetStringSelection(text);
    wxCommandEvent chosen(wxEVT_COMBOBOX, id);
    chosen.SetEventObject(list);
    chosen.SetInt(list->GetSelection());
    list->GetEventHandler()->ProcessEvent(chosen);
}

void Click(wxWindow& dialog, int id) {
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(wxWindow::FindWindowById(id, &dialog));
    dialog.GetEventHandler()->ProcessEvent(click);
}

void Radio(wxWindow& dialog, int id) {
    auto* button = Control<wxRadioButton>(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    button->SetValue(true);
    wxCommandEvent clicked(wxEVT_RADIOBUTTON, id);
    clicked.SetEventObject(button);
    clicked.SetInt(1);
    button->GetEventHandler()->ProcessEvent(clicked);
}

std::string InProgram(const std::string& relative) { return g_program + "/" + relative; }

wxString ShownUrl() { return g_frame->ActiveView()->CurrentUrl(); }

void WaitForUrlEnding(const std::string& tail) {
    const wxStopWatch watch;
    while (!ShownUrl().EndsWith(tail) && watch.Time() < 8000) Pump(50);
    Pump(800);  // let WebKit paint
}

// The "说明" box without the line breaks of its wrapping.
wxString HelpLine(wxWindow& dialog) {
    wxString text = Control<wxStaticText>(dialog, birth_ids::kHelp)->GetLabel();
    text.Replace("\n", "");
    return text;
}

wxMenu* StyleMenu() { return g_frame->GetMenuBar()->GetMenu(1); }

// Fills the birth dialog with 1990-06-15 12:30, 男, 北京 东城区 and presses OK.
void EnterBirth(CBirthDlg& dialog) {
    using namespace birth_ids;
    Choose(dialog, kYear, "1990");
    Choose(dialog, kMonth, "6");
    Choose(dialog, kDay, "15");
    Choose(dialog, kHour, "12");
    Choose(dialog, kMinute, "30");
    Choose(dialog, kProvince, FromGbk("北京"));
    Choose(dialog, kCity, FromGbk("东城区"));
    Click(dialog, wxID_OK);
    if (dialog.IsShown()) {  // refused: close it rather than hang the run
        ADD_FAILURE() << "the birth dialog refused 1990-06-15 12:30";
        Click(dialog, wxID_CANCEL);
    }
}

class ChartWindow : public ::testing::Test {
protected:
    platform::MessageRecorder recorder;
};

TEST_F(ChartWindow, StartsWithTheWelcomePageAndAGreyStyleMenu) {
    EXPECT_EQ(FromGbk("Kerrow八字算命"), g_frame->GetTitle());
    ASSERT_NE(g_frame->ActiveView(), nullptr);
    EXPECT_EQ(FromGbk("Kerrow八字-命稿1"), g_frame->GetActiveChild()->GetTitle());
    WaitForUrlEnding("help/welcome.htm");
    EXPECT_TRUE(ShownUrl().EndsWith("help/welcome.htm")) << ShownUrl();
    wxMenuBar* bar = g_frame->GetMenuBar();
    EXPECT_EQ(FromGbk("格式(&S)"), bar->GetMenuLabel(1));
    EXPECT_FALSE(bar->IsEnabledTop(1));
    EXPECT_FALSE(bar->IsEnabledTop(bar->GetMenuCount() - 1));
    EXPECT_EQ(1u, StyleMenu()->GetMenuItemCount());
    EXPECT_NE(nullptr, bar->FindItem(cmd::MenuId(cmd::kInputBirth)));
    EXPECT_EQ(FromGbk("输入生辰(&I)..."), bar->FindItem(cmd::MenuId(cmd::kInputBirth))->GetItemLabel().BeforeFirst('\t'));
    Screenshot("orvane-welcome");
}

TEST_F(ChartWindow, BirthDialogRefusesAMissingHourThenCastsIntoStyleTwo) {
    bool dialogSeen = false;
    WhenOpen<CBirthDlg>([&](CBirthDlg& dialog) {
        using namespace birth_ids;
        dialogSeen = true;
        EXPECT_EQ(-1, Control<wxComboBox>(dialog, kYear)->GetSelection());
        EXPECT_TRUE(Control<wxRadioButton>(dialog, kSolar)->GetValue());
        EXPECT_TRUE(Control<wxRadioButton>(dialog, kMale)->GetValue());
        EXPECT_FALSE(Control<wxCheckBox>(dialog, kLeap)->IsEnabled());
        EXPECT_FALSE(Control<wxComboBox>(dialog, kCity)->IsEnabled());
        EXPECT_EQ(201u, Control<wxComboBox>(dialog, kYear)->GetCount());  // 1900 … 2100
        EXPECT_EQ(34u, Control<wxComboBox>(dialog, kProvince)->GetCount());

        Choose(dialog, kYear, "1990");
        Choose(dialog, kMonth, "6");
        Choose(dialog, kDay, "15");
        Click(dialog, wxID_OK);  // no hour yet
        EXPECT_EQ(1u, recorder.messages.size());
        EXPECT_GBK_EQ("<小时> 没有选择", recorder.messages.back());
        EXPECT_TRUE(dialog.IsShown());

        // Help for the calendar buttons; the lunar calendar offers 30 days and clears the day.
        Radio(dialog, kLunar);
        EXPECT_EQ(FromGbk("选择使用农历还是公历输入出生时间，本项必须选择。"),
                  HelpLine(dialog));
        EXPECT_EQ(30u, Control<wxComboBox>(dialog, kDay)->GetCount());
        EXPECT_EQ(-1, Control<wxComboBox>(dialog, kDay)->GetSelection());
        EXPECT_TRUE(Control<wxCheckBox>(dialog, kLeap)->IsEnabled());
        Radio(dialog, kSolar);
        Control<wxTextCtrl>(dialog, kName)->SetValue(FromGbk("王小明"));
        Choose(dialog, kProvince, FromGbk("北京"));
        EXPECT_TRUE(Control<wxComboBox>(dialog, kCity)->IsEnabled());
        Choose(dialog, kDay, "15");
        Choose(dialog, kHour, "12");
        Choose(dialog, kMinute, "30");
        Screenshot("orvane-birth-dialog");
        Click(dialog, wxID_OK);  // no city yet
        EXPECT_EQ(2u, recorder.messages.size());
        EXPECT_GBK_EQ("<出生地点-市> 未选择", recorder.messages.back());
        EnterBirth(dialog);
    });
    g_frame->RunCommand(cmd::kInputBirth);
    ASSERT_TRUE(dialogSeen);
    EXPECT_EQ(2u, recorder.messages.size());

    const std::string page = ReadFile(InProgram("style/02/right.htm"));
    EXPECT_NE(std::string::npos, page.find("王小明")) << "the name is in the page";
    EXPECT_NE(std::string::npos, page.find("庚午"));
    EXPECT_EQ(InProgram("style/02"), current_style_folder());
    WaitForUrlEnding("style/02/index.htm");
    EXPECT_TRUE(ShownUrl().EndsWith("style/02/index.htm")) << ShownUrl();

    // The style menu now lists style.ini's names and checks the second one.
    wxMenuBar* bar = g_frame->GetMenuBar();
    EXPECT_TRUE(bar->IsEnabledTop(1));
    EXPECT_EQ(7u, StyleMenu()->GetMenuItemCount());
    wxMenuItem* second = bar->FindItem(cmd::MenuId(32804));
    ASSERT_NE(nullptr, second);
    EXPECT_TRUE(second->IsChecked());
    Screenshot("orvane-chart-style-02");
}

TEST_F(ChartWindow, ChoosingStyleOneRewritesItsFolderAndChoosingItAgainDoesNothing) {
    fs::remove(InProgram("style/01/right.htm"));
    g_frame->RunCommand(32803);
    EXPECT_TRUE(fs::exists(InProgram("style/01/right.htm")));
    EXPECT_EQ(InProgram("style/01"), current_style_folder());
    EXPECT_TRUE(g_frame->GetMenuBar()->FindItem(cmd::MenuId(32803))->IsChecked());
    WaitForUrlEnding("style/01/index.htm");
    EXPECT_TRUE(ShownUrl().EndsWith("style/01/index.htm")) << ShownUrl();
    Screenshot("orvane-chart-style-01");

    fs::remove(InProgram("style/01/right.htm"));
    g_frame->RunCommand(32803);
    EXPECT_FALSE(fs::exists(InProgram("style/01/right.htm")));

    g_frame->RunCommand(cmd::kRecentChart);  // always folder 02
    WaitForUrlEnding("style/02/index.htm");
    EXPECT_TRUE(ShownUrl().EndsWith("style/02/index.htm")) << ShownUrl();
    g_frame->RunCommand(32804);
    EXPECT_EQ(InProgram("style/02"), current_style_folder());
}

TEST_F(ChartWindow, EditBirthOpensFilledFromTheChart) {
    bool seen = false;
    WhenOpen<CBirthDlg>([&](CBirthDlg& dialog) {
        using namespace birth_ids;
        seen = true;
        EXPECT_EQ("1990", Control<wxComboBox>(dialog, kYear)->GetStringSelection());
        EXPECT_EQ("6", Control<wxComboBox>(dialog, kMonth)->GetStringSelection());
        EXPECT_EQ("15", Control<wxComboBox>(dialog, kDay)->GetStringSelection());
        EXPECT_EQ("30", Control<wxComboBox>(dialog, kMinute)->GetStringSelection());
        EXPECT_EQ(FromGbk("王小明"), Control<wxTextCtrl>(dialog, kName)->GetValue());
        EXPECT_EQ(FromGbk("东城区"), Control<wxComboBox>(dialog, kCity)->GetStringSelection());
        EXPECT_TRUE(Control<wxComboBox>(dialog, kCity)->IsEnabled());
        Click(dialog, wxID_CANCEL);
    });
    const std::string before = ReadFile(InProgram("style/02/right.htm"));
    g_frame->RunCommand(cmd::kEditBirth);
    EXPECT_TRUE(seen);
    EXPECT_EQ(before, ReadFile(InProgram("style/02/right.htm")));
}

TEST_F(ChartWindow, CancelAnsweredNoFinishesAndYesKeepsThePreviousPage) {
    // No: the build goes on to the end and every stage gets its mark.
    recorder.answer_next(false);
    WhenOpen<CBirthDlg>([&](CBirthDlg& dialog) {
        EnterBirth(dialog);
        WhenOpen<CProgressDlg>([&](CProgressDlg& progress) {
            EXPECT_EQ(FromGbk("进度"), progress.GetTitle());
            Click(progress, wxID_CANCEL);
            EXPECT_TRUE(progress.IsShown());
        });
    });
    fs::remove(InProgram("style/02/right.htm"));
    g_frame->RunCommand(cmd::kInputBirth);
    ASSERT_EQ(1u, recorder.questions.size());
    EXPECT_GBK_EQ("是否取消？", recorder.questions[0]);
    EXPECT_TRUE(fs::exists(InProgram("style/02/right.htm")));

    // Yes: nothing is written, the page stays.
    recorder.answer_next(true);
    WhenOpen<CBirthDlg>([&](CBirthDlg& dialog) {
        EnterBirth(dialog);
        WhenOpen<CProgressDlg>([&](CProgressDlg& progress) { Click(progress, wxID_CANCEL); });
    });
    fs::remove(InProgram("style/02/right.htm"));
    g_frame->RunCommand(cmd::kInputBirth);
    EXPECT_EQ(2u, recorder.questions.size());
    EXPECT_FALSE(fs::exists(InProgram("style/02/right.htm")));
    EXPECT_EQ(nullptr, OpenWindow<CProgressDlg>());
}

TEST_F(ChartWindow, CityDialogShowsTheCoordinatesOfMohe) {
    auto* dialog = new CCityDlg(g_frame);
    dialog->Show();
    EXPECT_FALSE(Control<wxComboBox>(*dialog, city_ids::kCity)->IsEnabled());
    Choose(*dialog, city_ids::kProvince, FromGbk("黑龙江"));
    EXPECT_TRUE(Control<wxComboBox>(*dialog, city_ids::kCity)->IsEnabled());
    Choose(*dialog, city_ids::kCity, FromGbk("漠河"));
    EXPECT_EQ(FromGbk("黑龙江 漠河\n东经：122.4度\n北纬：53.5度"), dialog->InfoText());
    Screenshot("orvane-city-dialog");
    dialog->Destroy();
    Pump(100);
}

TEST_F(ChartWindow, OptionsDialogGreysTheLateZiGroupAndWritesTheFile) {
    WriteFile(InProgram("option.dat"), "11\r\n1\r\n0\r\n");
    auto* dialog = new COptionsDlg(g_frame);
    dialog->Show();
    using namespace options_ids;
    EXPECT_TRUE(Control<wxRadioButton>(*dialog, kMidnight)->GetValue());
    EXPECT_TRUE(Control<wxRadioButton>(*dialog, kTrueSolar)->GetValue());
    EXPECT_FALSE(Control<wxCheckBox>(*dialog, kSaveHistory)->GetValue());
    Radio(*dialog, kElevenPm);
    EXPECT_FALSE(Control<wxRadioButton>(*dialog, kLateZiSame)->IsEnabled());
    Screenshot("orvane-options-dialog");
    Click(*dialog, wxID_OK);
    EXPECT_EQ("01\r\n1\r\n0\r\n", ReadFile(InProgram("option.dat")));
    dialog->Destroy();
    WriteFile(InProgram("option.dat"), "11\r\n1\r\n0\r\n");
    Pump(100);
}

class HistoryWindow : public ::testing::Test {
protected:
    void TearDown() override { WriteFile(InProgram("option.dat"), "11\r\n1\r\n0\r\n"); }

    platform::MessageRecorder recorder;
};

wxListBox* HistoryList(wxWindow& dialog) { return Control<wxListBox>(dialog, history_ids::kList); }

std::string ChartPage() { return current_style_folder() + "/right.htm"; }

TEST_F(HistoryWindow, ListsACastChartAndCastsItAgain) {
    WriteFile(InProgram("option.dat"), "11\r\n1\r\n1\r\n");  // history on
    fs::remove(InProgram("log.dat"));
    WhenOpen<CBirthDlg>([](CBirthDlg& dialog) { EnterBirth(dialog); });
    g_frame->RunCommand(cmd::kInputBirth);
    ASSERT_NE(std::string::npos, ReadFile(InProgram("log.dat")).find("[001]\r\n,公历1990-06-15 12:30,男,北京,东城区\r\n"));

    chart.solarYear = 0;  // so that the re-cast visibly stores the record
    fs::remove(ChartPage());
    bool seen = false;
    WhenOpen<CHistoryDlg>([&](CHistoryDlg& dialog) {
        seen = true;
        EXPECT_EQ(FromGbk("历史记录"), dialog.GetTitle());
        wxListBox* list = HistoryList(dialog);
        ASSERT_NE(nullptr, list);
        ASSERT_EQ(1u, list->GetCount());
        EXPECT_EQ(FromGbk(",公历1990-06-15 12:30,男,北京,东城区"), list->GetString(0));
        EXPECT_EQ(FromGbk("删除(&D)"), wxWindow::FindWindowById(history_ids::kDelete, &dialog)->GetLabel());

        Click(dialog, wxID_OK);  // nothing chosen yet
        ASSERT_EQ(1u, recorder.messages.size());
        EXPECT_GBK_EQ("请选择一条记录", recorder.messages.back());
        EXPECT_TRUE(dialog.IsShown());

        list->SetSelection(0);
        Screenshot("orvane-history-dialog");
        Click(dialog, wxID_OK);
        if (dialog.IsShown()) {
            ADD_FAILURE() << "the history dialog refused its own record";
            Click(dialog, wxID_CANCEL);
        }
    });
    g_frame->RunCommand(cmd::kHistory);
    ASSERT_TRUE(seen);
    EXPECT_EQ(1u, recorder.messages.size());
    EXPECT_EQ(1990, chart.solarYear);
    EXPECT_GBK_EQ("东城区", chart.birthCity);
    EXPECT_EQ(1, options.optTrueSolarTime);
    const std::string page = ReadFile(ChartPage());
    EXPECT_NE(std::string::npos, page.find("庚午")) << "the page of the re-cast chart is written";
    // Casting again stores the chart once more.
    EXPECT_NE(std::string::npos, ReadFile(InProgram("log.dat")).find("[002]\r\n,公历1990-06-15 12:30,男,北京,东城区\r\n"));
    WaitForUrlEnding("/index.htm");
    EXPECT_TRUE(ShownUrl().EndsWith(FromGbk(current_style_folder() + "/index.htm"))) << ShownUrl();
}

TEST_F(HistoryWindow, CancelledDialogCastsNothing) {
    fs::remove(ChartPage());
    WhenOpen<CHistoryDlg>([](CHistoryDlg& dialog) {
        HistoryList(dialog)->SetSelection(0);
        Click(dialog, wxID_CANCEL);
    });
    g_frame->RunCommand(cmd::kHistory);
    EXPECT_FALSE(fs::exists(ChartPage()));
}

TEST_F(HistoryWindow, DeleteAsksThenNoKeepsAndYesRemovesTheRecord) {
    const std::string first = "[001]\r\n张三,公历1985-03-04 12:30,男,广东,广州\r\n2024-01-01 10:00:00\r\n\r\n";
    const std::string second = "[002]\r\n李四,农历1987-26-03 08:00,女,,\r\n2024-01-02 10:00:00\r\n\r\n";
    WriteFile(InProgram("log.dat"), first + second);

    auto* dialog = new CHistoryDlg(g_frame);
    dialog->Show();
    Pump(100);  // let the dialog take the focus: still nothing chosen
    wxListBox* list = HistoryList(*dialog);
    ASSERT_EQ(2u, list->GetCount());
    EXPECT_EQ(FromGbk("李四,农历1987-26-03 08:00,女,,"), list->GetString(1));
    EXPECT_EQ(wxNOT_FOUND, list->GetSelection());

    Click(*dialog, history_ids::kDelete);
    ASSERT_EQ(1u, recorder.messages.size());
    EXPECT_GBK_EQ("请选择一条记录", recorder.messages.back());
    EXPECT_TRUE(recorder.questions.empty());

    // From here the real question box, as the program shows it.
    platform::set_question_handler([](const std::string& text) { return CYesNoDlg::Ask(g_frame, text); });

    bool asked = false;
    list->SetSelection(0);
    WhenOpen<CYesNoDlg>([&](CYesNoDlg& question) {
        asked = true;
        EXPECT_EQ(FromGbk("确认删除该记录？"), Control<wxStaticText>(question, kYesNoTextId)->GetLabel());
        Screenshot("orvane-history-delete-question");
        Click(question, wxID_CANCEL);
    });
    Click(*dialog, history_ids::kDelete);
    EXPECT_TRUE(asked);
    EXPECT_EQ(first + second, ReadFile(InProgram("log.dat")));
    EXPECT_EQ(2u, list->GetCount());

    asked = false;
    list->SetSelection(0);
    WhenOpen<CYesNoDlg>([&](CYesNoDlg& question) {
        asked = true;
        Click(question, wxID_OK);
    });
    Click(*dialog, history_ids::kDelete);
    EXPECT_TRUE(asked);
    EXPECT_EQ(second, ReadFile(InProgram("log.dat")));
    ASSERT_EQ(1u, list->GetCount());
    EXPECT_EQ(FromGbk("李四,农历1987-26-03 08:00,女,,"), list->GetString(0));
    EXPECT_EQ(wxNOT_FOUND, list->GetSelection());

    // The record left is a leap-month chart without a place: it re-casts as such.
    list->SetSelection(0);
    Click(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown()) << "OK closes the dialog";
    EXPECT_EQ(26, chart.lunarMonthCode);
    EXPECT_EQ(1, chart.leapMonth);
    EXPECT_EQ(0, chart.sexFlag);
    EXPECT_EQ(0, options.optTrueSolarTime);
    EXPECT_EQ(1u, recorder.messages.size());
    dialog->Destroy();
    Pump(100);
}

class ReverseWindow : public ::testing::Test {
protected:
    platform::MessageRecorder recorder;
};

wxComboBox* List(wxWindow& dialog, int id) { return Control<wxComboBox>(dialog, id); }

wxString ResultText(wxWindow& dialog) { return Control<wxStaticText>(dialog, reverse_ids::kResult)->GetLabel(); }

bool ConfirmEnabled(wxWindow& dialog) { return wxWindow::FindWindowById(wxID_OK, &dialog)->IsEnabled(); }

TEST_F(ReverseWindow, FindsTheBirthOfFourPillarsAndCastsIt) {
    bool seen = false;
    WhenOpen<CReverseDlg>([&](CReverseDlg& dialog) {
        using namespace reverse_ids;
        seen = true;
        EXPECT_EQ(FromGbk("反推八字(四柱干支输入方式)"), dialog.GetTitle());
        EXPECT_EQ(10u, List(dialog, kYearStem)->GetCount());
        EXPECT_EQ(-1, List(dialog, kYearStem)->GetSelection());
        EXPECT_FALSE(List(dialog, kYearBranch)->IsEnabled());
        EXPECT_FALSE(List(dialog, kYear)->IsEnabled());
        EXPECT_FALSE(List(dialog, kHourPillar)->IsEnabled());
        EXPECT_TRUE(Control<wxRadioButton>(dialog, kMale)->GetValue());
        EXPECT_EQ(FromGbk(kReversePlaceholder), ResultText(dialog));
        EXPECT_FALSE(ConfirmEnabled(dialog));
        EXPECT_EQ(FromGbk("批命(&P)"), wxWindow::FindWindowById(wxID_OK, &dialog)->GetLabel());

        Choose(dialog, kYearStem, FromGbk("甲"));
        EXPECT_EQ(6u, List(dialog, kYearBranch)->GetCount());
        EXPECT_TRUE(List(dialog, kYearBranch)->IsEnabled());
        Choose(dialog, kYearBranch, FromGbk("子"));
        ASSERT_EQ(3u, List(dialog, kYear)->GetCount());
        EXPECT_EQ("1924", List(dialog, kYear)->GetString(0));
        EXPECT_EQ("1984", List(dialog, kYear)->GetString(1));
        EXPECT_EQ("2044", List(dialog, kYear)->GetString(2));
        EXPECT_EQ(12u, List(dialog, kMonthPillar)->GetCount());
        EXPECT_EQ(FromGbk("丙寅"), List(dialog, kMonthPillar)->GetString(0));
        Choose(dialog, kMonthPillar, FromGbk("丙寅"));
        Choose(dialog, kYear, "1984");

        // 甲子 is no day of the 寅 month of 1984.
        Choose(dialog, kDayStem, FromGbk("甲"));
        Choose(dialog, kDayBranch, FromGbk("子"));
        EXPECT_TRUE(List(dialog, kHourPillar)->IsEnabled());
        Choose(dialog, kHourPillar, FromGbk("甲子"));
        EXPECT_EQ(FromGbk("该月不存在这个日柱"), ResultText(dialog));
        EXPECT_FALSE(ConfirmEnabled(dialog));

        Choose(dialog, kDayStem, FromGbk("己"));
        EXPECT_FALSE(List(dialog, kHourPillar)->IsEnabled());
        Choose(dialog, kDayBranch, FromGbk("巳"));
        EXPECT_EQ(FromGbk("甲子"), List(dialog, kHourPillar)->GetString(0));
        EXPECT_EQ(-1, List(dialog, kHourPillar)->GetSelection());
        Choose(dialog, kHourPillar, FromGbk("己巳"));
        EXPECT_EQ(FromGbk("公历：1984年2月5日10时\r农历：一九八四年正月初四日巳时"), ResultText(dialog));
        EXPECT_TRUE(ConfirmEnabled(dialog));
        Screenshot("orvane-reverse-dialog");
        Click(dialog, wxID_OK);
        if (dialog.IsShown()) {
            ADD_FAILURE() << "批命 did not close the dialog";
            Click(dialog, wxID_CANCEL);
        }
    });
    fs::remove(ChartPage());
    g_frame->RunCommand(cmd::kReverseLookup);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(1984, chart.solarYear);
    EXPECT_EQ(2, chart.solarMonth);
    EXPECT_EQ(5, chart.solarDay);
    EXPECT_EQ(10, chart.birthHour);
    EXPECT_EQ(1, chart.sexFlag);
    EXPECT_EQ(0, options.optTrueSolarTime);
    const std::string page = ReadFile(ChartPage());
    for (const char* pillar : {"甲子", "丙寅", "己巳"})
        EXPECT_NE(std::string::npos, page.find(pillar)) << "pillar missing from the page";
    WaitForUrlEnding("/index.htm");
    Screenshot("orvane-reverse-chart");
}

TEST_F(ReverseWindow, FemaleIsStoredWithTheFoundDate) {
    auto* dialog = new CReverseDlg(g_frame);
    dialog->Show();
    using namespace reverse_ids;
    Choose(*dialog, kYearStem, FromGbk("庚"));
    Choose(*dialog, kYearBranch, FromGbk("子"));
    ASSERT_EQ(4u, List(*dialog, kYear)->GetCount());  // 1900, 1960, 2020, 2080
    EXPECT_EQ("2020", List(*dialog, kYear)->GetString(2));
    EXPECT_EQ("2080", List(*dialog, kYear)->GetString(3));
    Choose(*dialog, kYear, "1960");
    Choose(*dialog, kDayStem, FromGbk("己"));
    Choose(*dialog, kDayBranch, FromGbk("巳"));
    Choose(*dialog, kHourPillar, FromGbk("己巳"));
    EXPECT_FALSE(ConfirmEnabled(*dialog)) << "no month chosen yet";
    Radio(*dialog, kFemale);
    // Changing the year pillar empties the year and month lists again.
    Choose(*dialog, kYearStem, FromGbk("甲"));
    EXPECT_FALSE(List(*dialog, kYear)->IsEnabled());
    EXPECT_EQ(0u, List(*dialog, kMonthPillar)->GetCount());
    Choose(*dialog, kYearBranch, FromGbk("子"));
    Choose(*dialog, kYear, "1984");
    Choose(*dialog, kMonthPillar, FromGbk("丙寅"));
    EXPECT_TRUE(ConfirmEnabled(*dialog));
    Click(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown()) << "OK closes the dialog";
    EXPECT_EQ(0, chart.sexFlag);
    EXPECT_EQ(1984, chart.lunarYear);
    EXPECT_EQ(4, chart.lunarDay);
    dialog->Destroy();
    Pump(100);
}

TEST(ProgressWindow, MarksTheStagesPassedAndNoOthers) {
    auto* progress = new CProgressDlg(g_frame);
    progress->Bar()->m_startColour = FromColorRef(0x00FF0000);
    progress->Bar()->m_endColour = FromColorRef(0x00880000);
    progress->Bar()->m_showPercent = true;
    progress->Show();
    for (int position = 0; position <= 60; ++position) {
        progress->set_position(position);
        for (int i = 0; i < kChartStageCount; ++i)
            if (ChartStages[static_cast<std::size_t>(i)].position == position) progress->stage_done(i);
    }
    EXPECT_EQ(FromGbk("进度"), progress->GetTitle());
    for (int i = 0; i < kChartStageCount; ++i)
        EXPECT_EQ(i <= 4 ? FromGbk("√") : wxString(), progress->MarkOf(i)) << "stage " << i;
    EXPECT_NE(nullptr, wxWindow::FindWindowById(1019, progress));  // 近十二个月运气
    EXPECT_EQ("60%", progress->Bar()->PercentText());
    EXPECT_FALSE(progress->cancelled());
    Screenshot("orvane-progress");
    progress->Destroy();
    Pump(100);
}

TEST(ColorProgress, HalfwayShowsTheGradientOnTheLeftAndThePercentage) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "bar", wxPoint(0, 0), wxSize(420, 80));
    auto* bar = new CColorProgressCtrl(frame, kProgressBarId, wxPoint(10, 10), wxSize(400, 30));
    bar->m_startColour = FromColorRef(0x00FF0000);
    bar->m_endColour = FromColorRef(0x00880000);
    bar->m_showPercent = true;
    bar->SetRange(0, 100);
    bar->SetPos(50);
    frame->Show();
    frame->Raise();
    EXPECT_EQ("50%", bar->PercentText());
    EXPECT_EQ(200, bar->FilledWidth(400));
    const wxImage shot = Screenshot("orvane-colour-bar-50");
    const wxPoint left = bar->ClientToScreen(wxPoint(20, 3));
    const wxPoint right = bar->ClientToScreen(wxPoint(380, 15));
    EXPECT_EQ(0, shot.GetRed(left.x, left.y));
    EXPECT_GT(shot.GetBlue(left.x, left.y), 200);
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);  // the unfilled part
    EXPECT_EQ(face.Red(), shot.GetRed(right.x, right.y));
    EXPECT_EQ(face.Blue(), shot.GetBlue(right.x, right.y));
    bar->SetPos(100);
    EXPECT_EQ(0, bar->FilledWidth(400));  // a full bar looks empty
    frame->Destroy();
    Pump(100);
}

class Running : public wxProcess {
public:
    void OnTerminate(int, int status) override {
        done = true;
        this->status = status;
    }
    bool done = false;
    int status = -1;
};

// The real program, started alone, stays up with its welcome page.
TEST(OrvaneProgram, StartsAndStaysUp) {
    Running watcher;
    const long pid = wxExecute(wxString(g_builtProgram + "/orvane"), wxEXEC_ASYNC, &watcher);
    ASSERT_GT(pid, 0);
    Pump(5000);
    ASSERT_FALSE(watcher.done) << "orvane ended by itself with status " << watcher.status;
    Screenshot("orvane-program");
    wxProcess::Kill(pid, wxSIGTERM);
    const wxStopWatch watch;
    while (!watcher.done && watch.Time() < 5000) Pump(50);
    EXPECT_TRUE(watcher.done);
}

}  // namespace
}  // namespace orvane::gui

class WindowTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
wxIMPLEMENT_APP_NO_MAIN(WindowTestApp);

// orvane_window_tests PROGRAM_DIR SCREENSHOT_DIR [gtest flags]
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s program-dir screenshot-dir\n", argv[0]);
        return 2;
    }
    using namespace orvane::gui;
    namespace fs = std::filesystem;
    g_builtProgram = argv[1];
    g_screenshots = argv[2];
    g_program = g_screenshots + "/program";
    fs::remove_all(g_program);
    fs::create_directories(g_program);
    for (const char* part : {"style", "help", "bzzs", "pmsl"})
        fs::copy(g_builtProgram + "/" + part, g_program + "/" + part, fs::copy_options::recursive);
    std::ofstream(g_program + "/option.dat", std::ios::binary) << "11\r\n1\r\n0\r\n";  // place asked, no history
    platform::set_program_dir(g_program);

    if (!wxEntryStart(argc, argv)) return 1;
    wxInitAllImageHandlers();
    wxTheApp->CallOnInit();
    g_frame = new CMainFrame();
    g_frame->SetSize(0, 0, 1000, 740);
    g_frame->NewChartWindow();
    g_frame->Show();
    Pump(1500);
    const int result = RUN_ALL_TESTS();
    g_frame->Destroy();
    Pump(100);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
