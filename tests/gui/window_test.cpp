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
#include <wx/statbmp.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/webview.h>

#include <wx/choice.h>
#include <wx/spinctrl.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <regex>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "app/gui/about_dlg.h"
#include "app/gui/birth_dlg.h"
#include "app/gui/birth_years.h"
#include "app/gui/hyper_link.h"
#include "app/gui/message_dlg.h"
#include "app/gui/page_setup_dlg.h"
#include "app/gui/print_preview.h"
#include "app/gui/report_print.h"
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
#include "engine/names.h"
#include "engine/options.h"
#include "platform/message.h"
#include "platform/program_dir.h"
#include "report/style_folder.h"
#include "gui/window_support.h"
#include "support/gbk_assert.h"

namespace orvane::gui {
namespace {

namespace fs = std::filesystem;

using namespace window_test;

std::string g_builtProgram;  // the build's program folder (bin), with orvane in it
std::string g_program;       // a copy of the program folder that the tests write into
CMainFrame* g_frame = nullptr;

std::string in_program(const std::string& relative) { return g_program + "/" + relative; }

wxString shown_url() { return g_frame->ActiveView()->CurrentUrl(); }

void wait_for_url_ending(const std::string& tail) {
    const wxStopWatch watch;
    while (!shown_url().EndsWith(tail) && watch.Time() < 8000) pump(50);
    pump(800);  // let WebKit paint
}

// The "说明" box without the line breaks of its wrapping.
wxString help_line(wxWindow& dialog) {
    wxString text = control_of<wxStaticText>(dialog, birth_ids::kHelp)->GetLabel();
    text.Replace("\n", "");
    return text;
}

wxMenu* style_menu_of() { return find_style_menu(g_frame->GetMenuBar()); }

// Fills the birth dialog with 1990-06-15 12:30, 男, 北京 东城区 and presses OK.
void enter_birth(CBirthDlg& dialog) {
    using namespace birth_ids;
    choose_item(dialog, kYear, "1990");
    choose_item(dialog, kMonth, "6");
    choose_item(dialog, kDay, "15");
    choose_item(dialog, kHour, "12");
    choose_item(dialog, kMinute, "30");
    choose_item(dialog, kProvince, from_gbk("北京"));
    choose_item(dialog, kCity, from_gbk("东城区"));
    click_button(dialog, wxID_OK);
    if (dialog.IsShown()) {  // refused: close it rather than hang the run
        ADD_FAILURE() << "the birth dialog refused 1990-06-15 12:30";
        click_button(dialog, wxID_CANCEL);
    }
}

class ChartWindow : public ::testing::Test {
protected:
    platform::MessageRecorder recorder;
};

TEST_F(ChartWindow, StartsWithTheWelcomePageAndAGreyStyleMenu) {
    EXPECT_EQ(from_gbk("Kerrow八字算命"), g_frame->GetTitle());
    ASSERT_NE(g_frame->ActiveView(), nullptr);
    EXPECT_EQ(from_gbk("Kerrow八字-命稿1"), g_frame->GetActiveChild()->GetTitle());
    wait_for_url_ending("help/welcome.htm");
    EXPECT_TRUE(shown_url().EndsWith("help/welcome.htm")) << shown_url();
    wxMenuBar* bar = g_frame->GetMenuBar();
    EXPECT_EQ(from_gbk("格式(&S)"), bar->GetMenuLabel(1));
    EXPECT_FALSE(bar->IsEnabledTop(1));
    EXPECT_FALSE(bar->IsEnabledTop(bar->GetMenuCount() - 1));
    EXPECT_EQ(1u, style_menu_of()->GetMenuItemCount());
    EXPECT_NE(nullptr, bar->FindItem(cmd::menu_id(cmd::kInputBirth)));
    EXPECT_EQ(from_gbk("输入生辰(&I)..."), bar->FindItem(cmd::menu_id(cmd::kInputBirth))->GetItemLabel().BeforeFirst('\t'));
    take_screenshot("orvane-welcome");
}

TEST_F(ChartWindow, EditBirthBeforeAnyChartOpensTheEmptyDialog) {
    ASSERT_EQ(0, chart.lunarYear) << "this test runs before the first chart";
    bool seen = false;
    when_open<CBirthDlg>([&](CBirthDlg& dialog) {
        using namespace birth_ids;
        seen = true;
        EXPECT_EQ(-1, control_of<wxComboBox>(dialog, kYear)->GetSelection());
        EXPECT_EQ("", control_of<wxComboBox>(dialog, kYear)->GetValue());
        for (int id : {kMonth, kDay, kHour, kMinute}) EXPECT_EQ(-1, control_of<wxComboBox>(dialog, id)->GetSelection()) << id;
        EXPECT_TRUE(control_of<wxRadioButton>(dialog, kSolar)->GetValue()) << "公历, not 农历";
        EXPECT_TRUE(control_of<wxRadioButton>(dialog, kMale)->GetValue()) << "男, not 女";
        EXPECT_FALSE(control_of<wxCheckBox>(dialog, kLeap)->IsEnabled());
        EXPECT_FALSE(control_of<wxComboBox>(dialog, kCity)->IsEnabled());
        EXPECT_EQ(31u, control_of<wxComboBox>(dialog, kDay)->GetCount());
        take_screenshot("orvane-edit-before-any-chart");
        click_button(dialog, wxID_CANCEL);
    });
    g_frame->RunCommand(cmd::kEditBirth);
    EXPECT_TRUE(seen);
}

// The box of "说明" shows every help text whole: each line fits, and the box is
// tall enough for all of them.
TEST_F(ChartWindow, BirthDialogHelpIsWholeAndPlacesAreInGbkOrder) {
    using namespace birth_ids;
    auto* dialog = new CBirthDlg(g_frame, false);
    dialog->Show();
    pump(200);
    auto* help = control_of<wxStaticText>(*dialog, kHelp);
    wxCommandEvent opened(wxEVT_COMBOBOX_DROPDOWN, kHour);
    control_of<wxComboBox>(*dialog, kHour)->GetEventHandler()->ProcessEvent(opened);
    const std::string hourHelp = "选择命主出生时间的小时(北京时间)，如果不知道具体时间，可以选择大约数。本项必须选择。";
    EXPECT_EQ(from_gbk(hourHelp), help_line(*dialog));
    const wxArrayString lines = wxSplit(help->GetLabel(), '\n', 0);
    EXPECT_GE(lines.size(), 2u) << "the hour's help takes more than one line";
    for (const wxString& line : lines) EXPECT_LE(help->GetTextExtent(line).x, help->GetSize().x) << line.utf8_str();
    EXPECT_GE(help->GetSize().y, static_cast<int>(lines.size()) * help->GetCharHeight());
    take_screenshot("orvane-birth-help-whole");

    // Provinces and cities in the order of the GBK bytes of their names.
    for (int id : {kProvince, kCity}) {
        if (id == kCity) choose_item(*dialog, kProvince, from_gbk("北京"));
        auto* list = control_of<wxComboBox>(*dialog, id);
        ASSERT_GT(list->GetCount(), 1u);
        for (unsigned i = 1; i < list->GetCount(); ++i)
            EXPECT_LT(ToGbk(list->GetString(i - 1)), ToGbk(list->GetString(i))) << id << " at " << i;
    }
    auto* provinces = control_of<wxComboBox>(*dialog, kProvince);
    EXPECT_EQ(34u, provinces->GetCount());
    EXPECT_EQ(from_gbk("安徽"), provinces->GetString(0));
    EXPECT_EQ(from_gbk("北京"), provinces->GetString(2));

    // The year list takes a typed year.
    auto* year = control_of<wxComboBox>(*dialog, kYear);
    year->SetFocus();
    pump(100);
    wxUIActionSimulator typing;
    typing.Text("1984");
    pump(300);
    EXPECT_EQ("1984", year->GetValue());
    EXPECT_EQ(84, year_index_of(year->GetValue()));
    EXPECT_EQ(-1, year_index_of("1899"));
    EXPECT_EQ(-1, year_index_of(wxString::Format("%d", kLastDialogYear + 1)));
    EXPECT_EQ(-1, year_index_of("19x4"));
    dialog->Destroy();
    pump(100);
}

TEST_F(ChartWindow, CityDialogClosesOnEscape) {
    bool open = false;
    when_open<CCityDlg>([&](CCityDlg& dialog) {
        open = true;
        control_of<wxComboBox>(dialog, city_ids::kProvince)->SetFocus();
        pump(200);
        wxUIActionSimulator keys;
        keys.Char(WXK_ESCAPE);
        // Should Escape not close it, end it anyway so that the run goes on.
        new Watch([started = wxGetLocalTimeMillis()] {
            CCityDlg* still = open_window<CCityDlg>();  // the dialog itself is gone once closed
            if (!still) return true;
            if (wxGetLocalTimeMillis() - started < 3000) return false;
            ADD_FAILURE() << "Escape left 城市经纬度 open";
            still->EndModal(wxID_CANCEL);
            return true;
        });
    });
    g_frame->RunCommand(cmd::kCityCoordinates);
    EXPECT_TRUE(open);
    EXPECT_EQ(nullptr, open_window<CCityDlg>());
}

TEST_F(ChartWindow, HelpItemsWithAnAnchorOpenTheirPageThere) {
    g_frame->RunCommand(cmd::kLatestVersion);
    wait_for_url_ending("help/yhxx.htm#version");
    EXPECT_TRUE(shown_url().EndsWith("help/yhxx.htm#version")) << shown_url();
    // Scrolled to the anchor, as far as the page reaches.
    wxString where;
    ASSERT_TRUE(g_frame->ActiveView()->Browser()->RunScript(
        "(function(){var e=document.getElementById('version');"
        "var at=Math.round(e.getBoundingClientRect().top+scrollY);"
        "var most=document.documentElement.scrollHeight-innerHeight;"
        "return location.hash+' '+Math.round(scrollY)+' '+Math.min(at,most);})()",
        &where));
    EXPECT_TRUE(where.StartsWith("#version ")) << where;
    long scrolled = -1, expected = -2;
    where.AfterFirst(' ').BeforeFirst(' ').ToLong(&scrolled);
    where.AfterLast(' ').ToLong(&expected);
    EXPECT_GT(expected, 0) << "the anchor lies below the top of the page";
    EXPECT_LE(std::abs(scrolled - expected), 2) << where;
    take_screenshot("orvane-help-anchor-version");
    g_frame->RunCommand(cmd::kGuestBook);
    wait_for_url_ending("help/yhxx.htm#contact");
    EXPECT_TRUE(shown_url().EndsWith("help/yhxx.htm#contact")) << shown_url();
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ChartWindow, AMissingPageIsSaidAndThePageShownStays) {
    const wxString before = shown_url();
    fs::rename(in_program("help/cjwt.htm"), in_program("help/cjwt.htm.away"));
    g_frame->RunCommand(cmd::kQuestions);
    fs::rename(in_program("help/cjwt.htm.away"), in_program("help/cjwt.htm"));
    ASSERT_EQ(1u, recorder.messages.size());
    EXPECT_GBK_EQ("找不到页面文件：" + in_program("help/cjwt.htm"), recorder.messages[0]);
    pump(300);
    EXPECT_EQ(before, shown_url());
}

// The X window of a top-level wx window, for asking the window manager about it.
unsigned long x_window_of(wxTopLevelWindow& window) {
    return GDK_WINDOW_XID(gtk_widget_get_window(GTK_WIDGET(window.GetHandle())));
}

// What the window manager lets the user do with a window (_NET_WM_ALLOWED_ACTIONS).
std::string allowed_actions(wxTopLevelWindow& window) {
    wxArrayString output;
    wxExecute(wxString::Format("xprop -id %lu _NET_WM_ALLOWED_ACTIONS", x_window_of(window)), output, wxEXEC_SYNC);
    return output.empty() ? std::string() : std::string(output[0].utf8_str());
}

TEST(MessageBox, ShowsTheWholeCaptionAnIconAndCannotBeResized) {
    install_dialog_handlers();
    bool seen = false;
    when_open<CMessageDlg>([&](CMessageDlg& box) {
        seen = true;
        pump(500);
        EXPECT_EQ(from_gbk("Kerrow八字算命"), box.GetTitle());
        EXPECT_EQ(from_gbk("<小时> 没有选择"), control_of<wxStaticText>(box, kMessageTextId)->GetLabel());
        EXPECT_EQ(box.GetMinSize(), box.GetMaxSize()) << "a fixed size";
        EXPECT_GE(box.GetSize().x, box.GetTextExtent(box.GetTitle()).x + 100) << "room for the whole caption";
        bool icon = false;
        for (wxWindow* child : box.GetChildren()) icon = icon || dynamic_cast<wxStaticBitmap*>(child) != nullptr;
        EXPECT_TRUE(icon);
        const std::string actions = allowed_actions(box);
        EXPECT_NE(std::string::npos, actions.find("_NET_WM_ACTION_CLOSE")) << actions;
        EXPECT_EQ(std::string::npos, actions.find("_NET_WM_ACTION_MAXIMIZE")) << actions;
        EXPECT_EQ(std::string::npos, actions.find("_NET_WM_ACTION_RESIZE")) << actions;
        take_screenshot("orvane-message-box");
        click_button(box, wxID_OK);
    });
    platform::show_message("<小时> 没有选择");
    EXPECT_TRUE(seen);

    seen = false;
    when_open<CYesNoDlg>([&](CYesNoDlg& box) {
        seen = true;
        pump(300);
        EXPECT_EQ(box.GetMinSize(), box.GetMaxSize());
        EXPECT_EQ(std::string::npos, allowed_actions(box).find("_NET_WM_ACTION_MAXIMIZE"));
        take_screenshot("orvane-yes-no-box");
        click_button(box, wxID_OK);
    });
    EXPECT_TRUE(platform::ask_yes_no("是否取消？"));
    EXPECT_TRUE(seen);
    platform::set_message_handler(nullptr);
    platform::set_question_handler(nullptr);
}

bool g_linkOpened = false;
bool record_opening(const wxString&) { return g_linkOpened = true; }

// Counts the pixels of a colour close to `colour` inside a window's screen area.
int pixels_near(const wxImage& shot, const wxWindow& window, const wxColour& colour) {
    const wxRect area(window.GetScreenPosition(), window.GetSize());
    int count = 0;
    for (int y = area.GetTop(); y <= area.GetBottom(); ++y)
        for (int x = area.GetLeft(); x <= area.GetRight(); ++x) {
            const wxColour pixel = pixel_at(shot, wxPoint(x, y));
            if (pixel.IsOk() && std::abs(pixel.Red() - colour.Red()) < 60 && std::abs(pixel.Green() - colour.Green()) < 60 &&
                std::abs(pixel.Blue() - colour.Blue()) < 60)
                ++count;
        }
    return count;
}

TEST(AboutBox, LinksTurnRedUnderThePointerAndPurpleOnceOpened) {
    auto* about = new CAboutDlg(g_frame);
    about->Show();
    pump(300);
    std::vector<CHyperLink*> links;
    for (wxWindow* child : about->GetChildren())
        if (auto* link = dynamic_cast<CHyperLink*>(child)) links.push_back(link);
    ASSERT_EQ(2u, links.size());
    CHyperLink& link = *links[0];
    wxUIActionSimulator mouse;
    mouse.MouseMove(about->ClientToScreen(wxPoint(2, 2)));
    pump(200);
    EXPECT_EQ(wxColour(0, 0, 255), link.CurrentColour());
    EXPECT_GT(pixels_near(take_screenshot("orvane-about-link"), link, wxColour(0, 0, 255)), 10);

    mouse.MouseMove(link.GetScreenPosition() + wxPoint(link.GetSize().x / 2, link.GetSize().y / 2));
    pump(300);
    EXPECT_TRUE(link.Over());
    EXPECT_EQ(wxColour(255, 0, 0), link.CurrentColour());
    EXPECT_GT(pixels_near(take_screenshot("orvane-about-link-hover"), link, wxColour(255, 0, 0)), 10);

    CHyperLink::s_open = &record_opening;
    mouse.MouseClick();
    pump(200);
    EXPECT_TRUE(g_linkOpened);
    EXPECT_TRUE(link.Visited());
    mouse.MouseMove(about->ClientToScreen(wxPoint(2, 2)));
    pump(200);
    EXPECT_FALSE(link.Over());
    EXPECT_EQ(wxColour(0, 128, 128), link.CurrentColour()) << "teal: the link has the focus after the click";
    about->Destroy();
    pump(100);
}

TEST_F(ChartWindow, BirthDialogRefusesAMissingHourThenCastsIntoStyleTwo) {
    bool dialogSeen = false;
    when_open<CBirthDlg>([&](CBirthDlg& dialog) {
        using namespace birth_ids;
        dialogSeen = true;
        EXPECT_EQ(-1, control_of<wxComboBox>(dialog, kYear)->GetSelection());
        EXPECT_TRUE(control_of<wxRadioButton>(dialog, kSolar)->GetValue());
        EXPECT_TRUE(control_of<wxRadioButton>(dialog, kMale)->GetValue());
        EXPECT_FALSE(control_of<wxCheckBox>(dialog, kLeap)->IsEnabled());
        EXPECT_FALSE(control_of<wxComboBox>(dialog, kCity)->IsEnabled());
        EXPECT_EQ(201u, control_of<wxComboBox>(dialog, kYear)->GetCount());  // 1900 … 2100
        EXPECT_EQ(34u, control_of<wxComboBox>(dialog, kProvince)->GetCount());

        choose_item(dialog, kYear, "1990");
        choose_item(dialog, kMonth, "6");
        choose_item(dialog, kDay, "15");
        click_button(dialog, wxID_OK);  // no hour yet
        EXPECT_EQ(1u, recorder.messages.size());
        EXPECT_GBK_EQ("<小时> 没有选择", recorder.messages.back());
        EXPECT_TRUE(dialog.IsShown());

        // Help for the calendar buttons; the lunar calendar offers 30 days and clears the day.
        press_radio(dialog, kLunar);
        EXPECT_EQ(from_gbk("选择使用农历还是公历输入出生时间，本项必须选择。"),
                  help_line(dialog));
        EXPECT_EQ(30u, control_of<wxComboBox>(dialog, kDay)->GetCount());
        EXPECT_EQ(-1, control_of<wxComboBox>(dialog, kDay)->GetSelection());
        EXPECT_TRUE(control_of<wxCheckBox>(dialog, kLeap)->IsEnabled());
        press_radio(dialog, kSolar);
        control_of<wxTextCtrl>(dialog, kName)->SetValue(from_gbk("王小明"));
        choose_item(dialog, kProvince, from_gbk("北京"));
        EXPECT_TRUE(control_of<wxComboBox>(dialog, kCity)->IsEnabled());
        choose_item(dialog, kDay, "15");
        choose_item(dialog, kHour, "12");
        choose_item(dialog, kMinute, "30");
        take_screenshot("orvane-birth-dialog");
        click_button(dialog, wxID_OK);  // no city yet
        EXPECT_EQ(2u, recorder.messages.size());
        EXPECT_GBK_EQ("<出生地点-市> 未选择", recorder.messages.back());
        enter_birth(dialog);
    });
    g_frame->RunCommand(cmd::kInputBirth);
    ASSERT_TRUE(dialogSeen);
    EXPECT_EQ(2u, recorder.messages.size());

    const std::string page = ReadFile(in_program("style/02/right.htm"));
    EXPECT_NE(std::string::npos, page.find("王小明")) << "the name is in the page";
    EXPECT_NE(std::string::npos, page.find("庚午"));
    EXPECT_EQ(in_program("style/02"), current_style_folder());
    wait_for_url_ending("style/02/index.htm");
    EXPECT_TRUE(shown_url().EndsWith("style/02/index.htm")) << shown_url();

    // The style menu now lists style.ini's names and checks the second one.
    wxMenuBar* bar = g_frame->GetMenuBar();
    EXPECT_TRUE(bar->IsEnabledTop(1));
    // style.ini of this run has a blank third line and a fifth line in UTF-8: no
    // items for them, and the names after them keep their folders.
    wxMenu* styles = style_menu_of();
    EXPECT_EQ(5u, styles->GetMenuItemCount());
    for (int command : {32803, 32804, 32806, 32808}) EXPECT_NE(nullptr, styles->FindChildItem(cmd::menu_id(command))) << command;
    for (int command : {32805, 32807}) EXPECT_EQ(nullptr, styles->FindChildItem(cmd::menu_id(command))) << command;
    EXPECT_EQ(from_gbk("黑白打印版"), styles->FindChildItem(cmd::menu_id(32806))->GetItemLabelText());
    for (const wxMenuItem* item : styles->GetMenuItems()) EXPECT_FALSE(item->GetItemLabel().empty());
    wxMenuItem* second = bar->FindItem(cmd::menu_id(32804));
    ASSERT_NE(nullptr, second);
    EXPECT_TRUE(second->IsChecked());
    take_screenshot("orvane-chart-style-02");
}

TEST_F(ChartWindow, ChoosingStyleOneRewritesItsFolderAndChoosingItAgainDoesNothing) {
    fs::remove(in_program("style/01/right.htm"));
    g_frame->RunCommand(32803);
    EXPECT_TRUE(fs::exists(in_program("style/01/right.htm")));
    EXPECT_EQ(in_program("style/01"), current_style_folder());
    EXPECT_TRUE(g_frame->GetMenuBar()->FindItem(cmd::menu_id(32803))->IsChecked());
    wait_for_url_ending("style/01/index.htm");
    EXPECT_TRUE(shown_url().EndsWith("style/01/index.htm")) << shown_url();
    take_screenshot("orvane-chart-style-01");

    fs::remove(in_program("style/01/right.htm"));
    g_frame->RunCommand(32803);
    EXPECT_FALSE(fs::exists(in_program("style/01/right.htm")));

    g_frame->RunCommand(cmd::kRecentChart);  // always folder 02
    wait_for_url_ending("style/02/index.htm");
    EXPECT_TRUE(shown_url().EndsWith("style/02/index.htm")) << shown_url();
    g_frame->RunCommand(32804);
    EXPECT_EQ(in_program("style/02"), current_style_folder());
}

TEST_F(ChartWindow, EditBirthOpensFilledFromTheChart) {
    bool seen = false;
    when_open<CBirthDlg>([&](CBirthDlg& dialog) {
        using namespace birth_ids;
        seen = true;
        EXPECT_EQ("1990", control_of<wxComboBox>(dialog, kYear)->GetStringSelection());
        EXPECT_EQ("6", control_of<wxComboBox>(dialog, kMonth)->GetStringSelection());
        EXPECT_EQ("15", control_of<wxComboBox>(dialog, kDay)->GetStringSelection());
        EXPECT_EQ("30", control_of<wxComboBox>(dialog, kMinute)->GetStringSelection());
        EXPECT_EQ(from_gbk("王小明"), control_of<wxTextCtrl>(dialog, kName)->GetValue());
        EXPECT_EQ(from_gbk("东城区"), control_of<wxComboBox>(dialog, kCity)->GetStringSelection());
        EXPECT_TRUE(control_of<wxComboBox>(dialog, kCity)->IsEnabled());
        click_button(dialog, wxID_CANCEL);
    });
    const std::string before = ReadFile(in_program("style/02/right.htm"));
    g_frame->RunCommand(cmd::kEditBirth);
    EXPECT_TRUE(seen);
    EXPECT_EQ(before, ReadFile(in_program("style/02/right.htm")));
}

// Lets a test's script reach into the frame the report is shown in: file pages
// are each other's strangers in WebKit.
void open_frame_to_scripts_of(CTamselView& view) {
    WebKitSettings* settings = webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view.Browser()->GetNativeBackend()));
    webkit_settings_set_allow_file_access_from_file_urls(settings, TRUE);
    webkit_settings_set_allow_universal_access_from_file_urls(settings, TRUE);
}

// Picks a line of a list box as a click does.
void pick_line(wxWindow& dialog, int id, int line) {
    auto* list = control_of<wxListBox>(dialog, id);
    ASSERT_NE(nullptr, list);
    list->SetSelection(line);
    wxCommandEvent picked(wxEVT_LISTBOX, id);
    picked.SetEventObject(list);
    picked.SetInt(line);
    list->GetEventHandler()->ProcessEvent(picked);
}

// The text of the page from a label on, without its tags: "夏令时慢60分0秒".
std::string page_text_after(const std::string& page, const std::string& label, std::size_t length) {
    const std::size_t at = page.find(label);
    if (at == std::string::npos) return {};
    return std::regex_replace(page.substr(at, 400), std::regex("<[^>]*>|\\s"), "").substr(0, length);
}

// New York on 1 July 1990 at 13:30 on its clock: daylight saving (UTC-4), so the
// true solar time is near 12:30, the 午 hour; reading the clock as standard time
// would give 未.
TEST_F(ChartWindow, ABirthAbroadIsEnteredWithItsZoneAndRestoredForEditing) {
    using namespace birth_ids;
    bool seen = false;
    when_open<CBirthDlg>([&](CBirthDlg& dialog) {
        seen = true;
        EXPECT_FALSE(control_of<wxListBox>(dialog, kZoneList)->IsEnabled()) << "the table's places come first";
        choose_item(dialog, kProvince, from_gbk("广东"));
        press_radio(dialog, kAbroad);
        pump(200);
        auto* zones = control_of<wxListBox>(dialog, kZoneList);
        EXPECT_TRUE(zones->IsEnabled());
        EXPECT_FALSE(control_of<wxComboBox>(dialog, kProvince)->IsEnabled());
        EXPECT_GT(zones->GetCount(), 200u) << "every zone before a search";
        EXPECT_EQ(from_gbk(help_text(BirthField::coordinates)), help_line(dialog));

        // Typed into the search box, letter by letter.
        control_of<wxTextCtrl>(dialog, kZoneSearch)->SetFocus();
        pump(100);
        wxUIActionSimulator typing;
        typing.Text("york");
        pump(400);
        EXPECT_EQ("york", control_of<wxTextCtrl>(dialog, kZoneSearch)->GetValue());
        EXPECT_EQ(from_gbk(help_text(BirthField::zone)), help_line(dialog));
        int newYork = wxNOT_FOUND;
        for (unsigned i = 0; i < zones->GetCount(); ++i) {
            EXPECT_TRUE(zones->GetString(i).Lower().Contains("york")) << zones->GetString(i).utf8_str();
            if (zones->GetString(i).StartsWith("America/New_York  New York (US)")) newYork = static_cast<int>(i);
        }
        if (newYork == wxNOT_FOUND) {  // close it rather than hang the run
            ADD_FAILURE() << "no line for America/New_York";
            click_button(dialog, wxID_CANCEL);
            return;
        }
        pick_line(dialog, kZoneList, newYork);
        // The city's coordinates fill the empty fields.
        EXPECT_TRUE(control_of<wxTextCtrl>(dialog, kLongitude)->GetValue().StartsWith("-74.")) << "west is negative";
        EXPECT_TRUE(control_of<wxTextCtrl>(dialog, kLatitude)->GetValue().StartsWith("40.7"));
        EXPECT_EQ(from_gbk("已选：America/New_York"), control_of<wxStaticText>(dialog, kZoneChosen)->GetLabel());

        choose_item(dialog, kYear, "1990");
        choose_item(dialog, kMonth, "7");
        choose_item(dialog, kDay, "1");
        choose_item(dialog, kHour, "13");
        choose_item(dialog, kMinute, "30");
        // A longitude that is no number is refused, and everything typed stays.
        control_of<wxTextCtrl>(dialog, kLongitude)->SetValue("74W");
        click_button(dialog, wxID_OK);
        EXPECT_EQ(1u, recorder.messages.size());
        if (!recorder.messages.empty()) EXPECT_GBK_EQ("经度应为数字，例如-74.0", recorder.messages.back());
        EXPECT_TRUE(dialog.IsShown());
        EXPECT_EQ("74W", control_of<wxTextCtrl>(dialog, kLongitude)->GetValue());
        EXPECT_EQ("york", control_of<wxTextCtrl>(dialog, kZoneSearch)->GetValue());
        EXPECT_EQ(newYork, zones->GetSelection());
        EXPECT_EQ("13", control_of<wxComboBox>(dialog, kHour)->GetStringSelection());

        // The table's place is kept while abroad is chosen, and the other way round.
        press_radio(dialog, kDomestic);
        EXPECT_EQ(from_gbk("广东"), control_of<wxComboBox>(dialog, kProvince)->GetStringSelection());
        EXPECT_TRUE(control_of<wxComboBox>(dialog, kProvince)->IsEnabled());
        EXPECT_FALSE(zones->IsEnabled());
        press_radio(dialog, kAbroad);
        EXPECT_EQ("74W", control_of<wxTextCtrl>(dialog, kLongitude)->GetValue());

        control_of<wxTextCtrl>(dialog, kLongitude)->SetValue("-74.0");
        control_of<wxTextCtrl>(dialog, kLatitude)->SetValue("40.7");
        pump(200);
        take_screenshot("orvane-birth-abroad");
        click_button(dialog, wxID_OK);
        if (dialog.IsShown()) {
            ADD_FAILURE() << "the birth dialog refused New York";
            click_button(dialog, wxID_CANCEL);
        }
    });
    g_frame->RunCommand(cmd::kInputBirth);
    ASSERT_TRUE(seen);
    EXPECT_EQ(1u, recorder.messages.size());
    EXPECT_GBK_EQ("America/New_York", chart.birthZone);
    EXPECT_EQ(-3600, chart.daylightSavingSec);
    EXPECT_GBK_EQ("午", branch_name(chart.hourBranch));
    const std::string page = ReadFile(current_style_folder() + "/right.htm");
    EXPECT_NE(std::string::npos, page.find("America/New_York")) << "the zone stands for the place";
    EXPECT_GBK_EQ("夏令时慢60分0秒", page_text_after(page, "夏令时<", std::string("夏令时慢60分0秒").size()));
    const std::string coordinates = "经纬度西经74.0°北纬40.7°";
    EXPECT_GBK_EQ(coordinates, page_text_after(page, "经纬度<", coordinates.size()));
    wait_for_url_ending("/index.htm");
    open_frame_to_scripts_of(*g_frame->ActiveView());
    // The place and the daylight-saving line in sight, once the framed report is there.
    wxString scrolled;
    wait_for([&] {
        return g_frame->ActiveView()->Browser()->RunScript(
                   "(function(){var f=document.getElementsByTagName('iframe').item(0);"
                   "var d=f&&f.contentDocument;var e=d&&d.getElementById('place');"
                   "if(!e)return 'no';e.scrollIntoView();return 'yes';})()",
                   &scrolled) &&
               scrolled == "yes";
    }, 8000);
    pump(300);
    take_screenshot("orvane-chart-abroad");

    // 修改生辰 opens it as entered.
    seen = false;
    when_open<CBirthDlg>([&](CBirthDlg& dialog) {
        seen = true;
        pump(200);
        EXPECT_TRUE(control_of<wxRadioButton>(dialog, kAbroad)->GetValue());
        EXPECT_EQ("-74.0", control_of<wxTextCtrl>(dialog, kLongitude)->GetValue());
        EXPECT_EQ("40.7", control_of<wxTextCtrl>(dialog, kLatitude)->GetValue());
        EXPECT_EQ(from_gbk("已选：America/New_York"), control_of<wxStaticText>(dialog, kZoneChosen)->GetLabel());
        auto* zones = control_of<wxListBox>(dialog, kZoneList);
        EXPECT_TRUE(zones->IsEnabled());
        EXPECT_FALSE(control_of<wxComboBox>(dialog, kProvince)->IsEnabled());
        EXPECT_EQ("America/New_York", control_of<wxTextCtrl>(dialog, kZoneSearch)->GetValue()) << "its line in sight";
        EXPECT_TRUE(zones->GetStringSelection().StartsWith("America/New_York ")) << zones->GetStringSelection().utf8_str();
        EXPECT_EQ("13", control_of<wxComboBox>(dialog, kHour)->GetStringSelection());
        take_screenshot("orvane-birth-abroad-edit");
        click_button(dialog, wxID_CANCEL);
    });
    g_frame->RunCommand(cmd::kEditBirth);
    EXPECT_TRUE(seen);
}

TEST_F(ChartWindow, CancelAnsweredNoFinishesAndYesKeepsThePreviousPage) {
    // No: the build goes on to the end and every stage gets its mark.
    recorder.answer_next(false);
    when_open<CBirthDlg>([&](CBirthDlg& dialog) {
        enter_birth(dialog);
        when_open<CProgressDlg>([&](CProgressDlg& progress) {
            EXPECT_EQ(from_gbk("进度"), progress.GetTitle());
            click_button(progress, wxID_CANCEL);
            EXPECT_TRUE(progress.IsShown());
        });
    });
    fs::remove(in_program("style/02/right.htm"));
    g_frame->RunCommand(cmd::kInputBirth);
    ASSERT_EQ(1u, recorder.questions.size());
    EXPECT_GBK_EQ("是否取消？", recorder.questions[0]);
    EXPECT_TRUE(fs::exists(in_program("style/02/right.htm")));

    // Yes: nothing is written, the page stays.
    recorder.answer_next(true);
    when_open<CBirthDlg>([&](CBirthDlg& dialog) {
        enter_birth(dialog);
        when_open<CProgressDlg>([&](CProgressDlg& progress) { click_button(progress, wxID_CANCEL); });
    });
    fs::remove(in_program("style/02/right.htm"));
    g_frame->RunCommand(cmd::kInputBirth);
    EXPECT_EQ(2u, recorder.questions.size());
    EXPECT_FALSE(fs::exists(in_program("style/02/right.htm")));
    EXPECT_EQ(nullptr, open_window<CProgressDlg>());
}

TEST_F(ChartWindow, CityDialogShowsTheCoordinatesOfMohe) {
    auto* dialog = new CCityDlg(g_frame);
    dialog->Show();
    EXPECT_FALSE(control_of<wxComboBox>(*dialog, city_ids::kCity)->IsEnabled());
    choose_item(*dialog, city_ids::kProvince, from_gbk("黑龙江"));
    EXPECT_TRUE(control_of<wxComboBox>(*dialog, city_ids::kCity)->IsEnabled());
    choose_item(*dialog, city_ids::kCity, from_gbk("漠河"));
    EXPECT_EQ(from_gbk("黑龙江 漠河\n东经：122.4度\n北纬：53.5度"), dialog->InfoText());
    take_screenshot("orvane-city-dialog");
    dialog->Destroy();
    pump(100);
}

TEST_F(ChartWindow, OptionsDialogGreysTheLateZiGroupAndWritesTheFile) {
    write_file(in_program("option.dat"), "11\r\n1\r\n0\r\n");
    auto* dialog = new COptionsDlg(g_frame);
    dialog->Show();
    using namespace options_ids;
    EXPECT_TRUE(control_of<wxRadioButton>(*dialog, kMidnight)->GetValue());
    EXPECT_TRUE(control_of<wxRadioButton>(*dialog, kTrueSolar)->GetValue());
    EXPECT_FALSE(control_of<wxCheckBox>(*dialog, kSaveHistory)->GetValue());
    press_radio(*dialog, kElevenPm);
    EXPECT_FALSE(control_of<wxRadioButton>(*dialog, kLateZiSame)->IsEnabled());
    take_screenshot("orvane-options-dialog");
    click_button(*dialog, wxID_OK);
    EXPECT_EQ("01\r\n1\r\n0\r\n", ReadFile(in_program("option.dat")));
    dialog->Destroy();
    write_file(in_program("option.dat"), "11\r\n1\r\n0\r\n");
    pump(100);
}

// The report as the view shows, saves and prints it.
class ReportView : public ::testing::Test {
protected:
    void SetUp() override {
        view = g_frame->ActiveView();
        ASSERT_NE(nullptr, view);
        ASSERT_GE(chart.lunarYear, 1) << "a chart is cast by the tests before";
    }
    void TearDown() override { page_layout() = PageLayout(); }

    void OpenFrameToScripts() { open_frame_to_scripts_of(*view); }

    // Runs the pair measurement in the view once the framed report has loaded. wx
    // wraps a script in its own code, which a leading line comment would cut off.
    wxString MeasurePairs() {
        wxString script;
        for (const wxString& line : wxSplit(wxString::FromUTF8(ReadFile(PAIR_ORDER_SCRIPT).c_str()), '\n', 0))
            if (!wxString(line).Trim(false).StartsWith("//")) script += line + "\n";
        wxString result;
        wait_for([&] { return view->Browser()->RunScript(script, &result) && !result.Contains("\"pairs\":0,"); }, 8000);
        return result;
    }

    platform::MessageRecorder recorder;
    CTamselView* view = nullptr;
};

long json_number(const wxString& json, const std::string& key) {
    std::smatch found;
    const std::string text = json.ToStdString();
    if (!std::regex_search(text, found, std::regex("\"" + key + "\":(\\d+)"))) return -1;
    return std::stol(found[1]);
}

// The text of PDF pages (UTF-8), through pdftotext.
std::string pdf_text(const std::string& pdf, int first, int last) {
    wxArrayString lines;
    wxExecute(wxString::Format("pdftotext -layout -f %d -l %d '%s' -", first, last, pdf), lines, wxEXEC_SYNC);
    std::string text;
    for (const wxString& line : lines) text += line.utf8_str().data() + std::string("\n");
    return text;
}

std::string Utf8(const char* gbk) { return from_gbk(gbk).utf8_str().data(); }

TEST_F(ReportView, PairsStandStemOverBranchInEveryStyle) {
    OpenFrameToScripts();
    for (const char* style : {"01", "02", "03", "04", "05", "06"}) {
        view->apply_style(style);
        wait_for_url_ending(std::string("style/") + style + "/index.htm");
        const wxString measured = MeasurePairs();
        EXPECT_GT(json_number(measured, "pairs"), 100) << style << ": " << measured;
        EXPECT_EQ(0, json_number(measured, "badCount")) << style << ": " << measured;
        // The chart table in sight, for a person to look at.
        view->Browser()->RunScript(
            "document.getElementsByTagName('iframe').item(0).contentDocument.getElementById('mingpan').scrollIntoView()");
        take_screenshot(std::string("orvane-pairs-style-") + style);
    }
    view->apply_style("02");
}

TEST_F(ReportView, SaveAsWritesTheWholeReportAsOneFileThatOpensByItself) {
    view->apply_style("02");
    wait_for_url_ending("style/02/index.htm");
    const std::string saved = screenshot_folder() + "/saved-report.htm";
    fs::remove(saved);
    ASSERT_TRUE(view->SaveAs(saved));
    const std::string page = ReadFile(saved);
    EXPECT_EQ(ReadFile(in_program("style/02/right.htm")), page) << "the report itself, not its frame";
    EXPECT_GT(page.size(), 100000u);
    EXPECT_EQ(std::string::npos, page.find("<iframe"));
    EXPECT_NE(std::string::npos, page.find("charset=\"gbk\""));
    EXPECT_NE(std::string::npos, page.find("<style>")) << "styles inline";
    for (const char* pillar : {"庚午", "壬午", "辛亥", "甲午"}) EXPECT_NE(std::string::npos, page.find(pillar)) << pillar;
    EXPECT_NE(std::string::npos, page.find("流年流月干支")) << "the last section";

    // Reopened from where it was saved, away from its style folder.
    ASSERT_TRUE(view->ShowPath(saved));
    wait_for_url_ending("saved-report.htm");
    wxString opened;
    ASSERT_TRUE(view->Browser()->RunScript(
        "(function(){var m=document.getElementById('liuyue');"
        "return document.characterSet+'|'+document.getElementsByTagName('iframe').length+'|'+"
        "document.querySelector('.mini').textContent.replace(/\\s+/g,'')+'|'+"
        "(m?m.getElementsByTagName('tr').length:0)+'|'+getComputedStyle(document.body).fontSize;})()",
        &opened));
    const wxArrayString parts = wxSplit(opened, '|', 0);
    ASSERT_EQ(5u, parts.size()) << opened;
    EXPECT_EQ("GBK", parts[0].Upper());
    EXPECT_EQ("0", parts[1]);
    EXPECT_EQ(from_gbk("庚午壬午辛亥甲午"), parts[2]);
    long rows = 0;
    parts[3].ToLong(&rows);
    EXPECT_GT(rows, 80) << "the 80 years of the last section are there";
    EXPECT_NE("16px", parts[4]) << "the style sheet took effect";
    take_screenshot("orvane-saved-report-reopened");

    // PDF, the second type: every printed page.
    const std::string pdf = screenshot_folder() + "/saved-report.pdf";
    fs::remove(pdf);
    ASSERT_TRUE(view->SaveAs(pdf));
    const int pages = pdf_page_count(pdf);
    EXPECT_GT(pages, 10);
    EXPECT_NE(std::string::npos, pdf_text(pdf, 1, 1).find(Utf8("命主资料")));
    EXPECT_NE(std::string::npos, pdf_text(pdf, pages, pages).find(Utf8("命理学的可贵"))) << "the footer ends the last page";
    EXPECT_TRUE(recorder.messages.empty());
}

// The left edge of the text on the first page of a PDF, in points (pdftotext -bbox).
double leftmost_text(const std::string& pdf) {
    wxArrayString lines;
    wxExecute(wxString::Format("pdftotext -bbox -f 1 -l 1 '%s' -", pdf), lines, wxEXEC_SYNC);
    double left = 1e9;
    for (const wxString& line : lines) {
        const int at = line.Find("xMin=\"");
        double x = 0;
        if (at != wxNOT_FOUND && line.Mid(at + 6).BeforeFirst('"').ToCDouble(&x)) left = std::min(left, x);
    }
    return left;
}

TEST_F(ReportView, PageSetupMarginsMoveThePrintedText) {
    view->apply_style("02");
    wait_for_url_ending("style/02/index.htm");
    const std::string narrow = screenshot_folder() + "/report-margin-12.pdf";
    const std::string wide = screenshot_folder() + "/report-margin-40.pdf";
    ASSERT_TRUE(view->PrintToPdf(narrow, nullptr));
    page_layout().leftMm = 40;
    ASSERT_TRUE(view->PrintToPdf(wide, nullptr));
    const double mm = 72 / 25.4;  // points
    EXPECT_NEAR(12 * mm, leftmost_text(narrow), 12 * mm) << "the text starts near the left margin";
    EXPECT_GT(leftmost_text(wide), leftmost_text(narrow) + 20 * mm);
}

TEST_F(ReportView, PageSetupGivesThePreviewAndThePdfTheirPaper) {
    view->apply_style("02");
    wait_for_url_ending("style/02/index.htm");
    const std::string a4 = screenshot_folder() + "/report-a4.pdf";
    ASSERT_TRUE(view->PrintToPdf(a4, nullptr));
    const int a4Pages = pdf_page_count(a4);

    bool seen = false;
    when_open<CPageSetupDlg>([&](CPageSetupDlg& dialog) {
        seen = true;
        auto* paper = control_of<wxChoice>(dialog, page_setup_ids::kPaper);
        EXPECT_EQ(0, paper->GetSelection()) << "A4 first";
        paper->SetSelection(1);  // A5
        control_of<wxSpinCtrl>(dialog, page_setup_ids::kLeft)->SetValue(20);
        take_screenshot("orvane-page-setup");
        click_button(dialog, wxID_OK);
    });
    g_frame->RunCommand(cmd::kPageSetup);
    ASSERT_TRUE(seen);
    EXPECT_EQ("iso_a5", page_layout().paper);
    EXPECT_EQ(20, page_layout().leftMm);

    const std::string a5 = screenshot_folder() + "/report-a5.pdf";
    ASSERT_TRUE(view->PrintToPdf(a5, nullptr));
    const int a5Pages = pdf_page_count(a5);
    EXPECT_GT(a5Pages, a4Pages) << "a smaller paper takes more pages";
    wxArrayString info;
    wxExecute("pdfinfo '" + a5 + "'", info, wxEXEC_SYNC);
    EXPECT_NE(wxNOT_FOUND, wxJoin(info, '\n').Find("420 x 595")) << wxJoin(info, '\n');  // A5 in points

    seen = false;
    when_open<CPrintPreview>([&](CPrintPreview& preview) {
        seen = true;
        EXPECT_EQ(a5Pages, preview.PageCount());
        EXPECT_EQ(wxString::Format(from_gbk("共 %d 页"), a5Pages),
                  control_of<wxStaticText>(preview, preview_ids::kPageCount)->GetLabel());
        take_screenshot("orvane-print-preview");
        click_button(preview, wxID_CANCEL);
    });
    g_frame->RunCommand(cmd::kPrintPreview);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(recorder.messages.empty());
}

class HistoryWindow : public ::testing::Test {
protected:
    void TearDown() override { write_file(in_program("option.dat"), "11\r\n1\r\n0\r\n"); }

    platform::MessageRecorder recorder;
};

wxListBox* history_list(wxWindow& dialog) { return control_of<wxListBox>(dialog, history_ids::kList); }

std::string ChartPage() { return current_style_folder() + "/right.htm"; }

TEST_F(HistoryWindow, ListsACastChartAndCastsItAgain) {
    write_file(in_program("option.dat"), "11\r\n1\r\n1\r\n");  // history on
    fs::remove(in_program("log.dat"));
    when_open<CBirthDlg>([](CBirthDlg& dialog) { enter_birth(dialog); });
    g_frame->RunCommand(cmd::kInputBirth);
    ASSERT_NE(std::string::npos, ReadFile(in_program("log.dat")).find("[001]\r\n,公历1990-06-15 12:30,男,北京,东城区\r\n"));

    chart.solarYear = 0;  // so that the re-cast visibly stores the record
    fs::remove(ChartPage());
    bool seen = false;
    when_open<CHistoryDlg>([&](CHistoryDlg& dialog) {
        seen = true;
        EXPECT_EQ(from_gbk("历史记录"), dialog.GetTitle());
        wxListBox* list = history_list(dialog);
        ASSERT_NE(nullptr, list);
        ASSERT_EQ(1u, list->GetCount());
        EXPECT_EQ(from_gbk(",公历1990-06-15 12:30,男,北京,东城区"), list->GetString(0));
        EXPECT_EQ(from_gbk("删除(&D)"), wxWindow::FindWindowById(history_ids::kDelete, &dialog)->GetLabel());

        click_button(dialog, wxID_OK);  // nothing chosen yet
        ASSERT_EQ(1u, recorder.messages.size());
        EXPECT_GBK_EQ("请选择一条记录", recorder.messages.back());
        EXPECT_TRUE(dialog.IsShown());

        list->SetSelection(0);
        take_screenshot("orvane-history-dialog");
        click_button(dialog, wxID_OK);
        if (dialog.IsShown()) {
            ADD_FAILURE() << "the history dialog refused its own record";
            click_button(dialog, wxID_CANCEL);
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
    EXPECT_NE(std::string::npos, ReadFile(in_program("log.dat")).find("[002]\r\n,公历1990-06-15 12:30,男,北京,东城区\r\n"));
    wait_for_url_ending("/index.htm");
    EXPECT_TRUE(shown_url().EndsWith(from_gbk(current_style_folder() + "/index.htm"))) << shown_url();
}

TEST_F(HistoryWindow, CancelledDialogCastsNothing) {
    fs::remove(ChartPage());
    when_open<CHistoryDlg>([](CHistoryDlg& dialog) {
        history_list(dialog)->SetSelection(0);
        click_button(dialog, wxID_CANCEL);
    });
    g_frame->RunCommand(cmd::kHistory);
    EXPECT_FALSE(fs::exists(ChartPage()));
}

TEST_F(HistoryWindow, DeleteAsksThenNoKeepsAndYesRemovesTheRecord) {
    const std::string first = "[001]\r\n张三,公历1985-03-04 12:30,男,广东,广州\r\n2024-01-01 10:00:00\r\n\r\n";
    const std::string second = "[002]\r\n李四,农历1987-26-03 08:00,女,,\r\n2024-01-02 10:00:00\r\n\r\n";
    write_file(in_program("log.dat"), first + second);

    auto* dialog = new CHistoryDlg(g_frame);
    dialog->Show();
    pump(100);  // let the dialog take the focus: still nothing chosen
    wxListBox* list = history_list(*dialog);
    ASSERT_EQ(2u, list->GetCount());
    EXPECT_EQ(from_gbk("李四,农历1987-26-03 08:00,女,,"), list->GetString(1));
    EXPECT_EQ(wxNOT_FOUND, list->GetSelection());

    click_button(*dialog, history_ids::kDelete);
    ASSERT_EQ(1u, recorder.messages.size());
    EXPECT_GBK_EQ("请选择一条记录", recorder.messages.back());
    EXPECT_TRUE(recorder.questions.empty());

    // From here the real question box, as the program shows it.
    platform::set_question_handler([](const std::string& text) { return CYesNoDlg::Ask(g_frame, text); });

    bool asked = false;
    list->SetSelection(0);
    when_open<CYesNoDlg>([&](CYesNoDlg& question) {
        asked = true;
        EXPECT_EQ(from_gbk("确认删除该记录？"), control_of<wxStaticText>(question, kYesNoTextId)->GetLabel());
        take_screenshot("orvane-history-delete-question");
        click_button(question, wxID_CANCEL);
    });
    click_button(*dialog, history_ids::kDelete);
    EXPECT_TRUE(asked);
    EXPECT_EQ(first + second, ReadFile(in_program("log.dat")));
    EXPECT_EQ(2u, list->GetCount());

    asked = false;
    list->SetSelection(0);
    when_open<CYesNoDlg>([&](CYesNoDlg& question) {
        asked = true;
        click_button(question, wxID_OK);
    });
    click_button(*dialog, history_ids::kDelete);
    EXPECT_TRUE(asked);
    EXPECT_EQ(second, ReadFile(in_program("log.dat")));
    ASSERT_EQ(1u, list->GetCount());
    EXPECT_EQ(from_gbk("李四,农历1987-26-03 08:00,女,,"), list->GetString(0));
    EXPECT_EQ(wxNOT_FOUND, list->GetSelection());

    // The record left is a leap-month chart without a place: it re-casts as such.
    list->SetSelection(0);
    click_button(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown()) << "OK closes the dialog";
    EXPECT_EQ(26, chart.lunarMonthCode);
    EXPECT_EQ(1, chart.leapMonth);
    EXPECT_EQ(0, chart.sexFlag);
    EXPECT_EQ(0, options.optTrueSolarTime);
    EXPECT_EQ(1u, recorder.messages.size());
    dialog->Destroy();
    pump(100);
}

class ReverseWindow : public ::testing::Test {
protected:
    platform::MessageRecorder recorder;
};

wxComboBox* combo_of(wxWindow& dialog, int id) { return control_of<wxComboBox>(dialog, id); }

wxString result_text(wxWindow& dialog) { return control_of<wxStaticText>(dialog, reverse_ids::kResult)->GetLabel(); }

bool confirm_enabled(wxWindow& dialog) { return wxWindow::FindWindowById(wxID_OK, &dialog)->IsEnabled(); }

TEST_F(ReverseWindow, FindsTheBirthOfFourPillarsAndCastsIt) {
    bool seen = false;
    when_open<CReverseDlg>([&](CReverseDlg& dialog) {
        using namespace reverse_ids;
        seen = true;
        EXPECT_EQ(from_gbk("反推八字(四柱干支输入方式)"), dialog.GetTitle());
        EXPECT_EQ(10u, combo_of(dialog, kYearStem)->GetCount());
        EXPECT_EQ(-1, combo_of(dialog, kYearStem)->GetSelection());
        EXPECT_FALSE(combo_of(dialog, kYearBranch)->IsEnabled());
        EXPECT_FALSE(combo_of(dialog, kYear)->IsEnabled());
        EXPECT_FALSE(combo_of(dialog, kHourPillar)->IsEnabled());
        EXPECT_TRUE(control_of<wxRadioButton>(dialog, kMale)->GetValue());
        EXPECT_EQ(from_gbk(kReversePlaceholder), result_text(dialog));
        EXPECT_FALSE(confirm_enabled(dialog));
        EXPECT_EQ(from_gbk("批命(&P)"), wxWindow::FindWindowById(wxID_OK, &dialog)->GetLabel());

        choose_item(dialog, kYearStem, from_gbk("甲"));
        EXPECT_EQ(6u, combo_of(dialog, kYearBranch)->GetCount());
        EXPECT_TRUE(combo_of(dialog, kYearBranch)->IsEnabled());
        choose_item(dialog, kYearBranch, from_gbk("子"));
        ASSERT_EQ(3u, combo_of(dialog, kYear)->GetCount());
        EXPECT_EQ("1924", combo_of(dialog, kYear)->GetString(0));
        EXPECT_EQ("1984", combo_of(dialog, kYear)->GetString(1));
        EXPECT_EQ("2044", combo_of(dialog, kYear)->GetString(2));
        EXPECT_EQ(12u, combo_of(dialog, kMonthPillar)->GetCount());
        EXPECT_EQ(from_gbk("丙寅"), combo_of(dialog, kMonthPillar)->GetString(0));
        choose_item(dialog, kMonthPillar, from_gbk("丙寅"));
        choose_item(dialog, kYear, "1984");

        // 甲子 is no day of the 寅 month of 1984.
        choose_item(dialog, kDayStem, from_gbk("甲"));
        choose_item(dialog, kDayBranch, from_gbk("子"));
        EXPECT_TRUE(combo_of(dialog, kHourPillar)->IsEnabled());
        choose_item(dialog, kHourPillar, from_gbk("甲子"));
        EXPECT_EQ(from_gbk("该月不存在这个日柱"), result_text(dialog));
        EXPECT_FALSE(confirm_enabled(dialog));

        choose_item(dialog, kDayStem, from_gbk("己"));
        EXPECT_FALSE(combo_of(dialog, kHourPillar)->IsEnabled());
        choose_item(dialog, kDayBranch, from_gbk("巳"));
        EXPECT_EQ(from_gbk("甲子"), combo_of(dialog, kHourPillar)->GetString(0));
        EXPECT_EQ(-1, combo_of(dialog, kHourPillar)->GetSelection());
        choose_item(dialog, kHourPillar, from_gbk("己巳"));
        EXPECT_EQ(from_gbk("公历：1984年2月5日10时\r农历：一九八四年正月初四日巳时"), result_text(dialog));
        EXPECT_TRUE(confirm_enabled(dialog));
        take_screenshot("orvane-reverse-dialog");
        click_button(dialog, wxID_OK);
        if (dialog.IsShown()) {
            ADD_FAILURE() << "批命 did not close the dialog";
            click_button(dialog, wxID_CANCEL);
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
    wait_for_url_ending("/index.htm");
    take_screenshot("orvane-reverse-chart");
}

TEST_F(ReverseWindow, FemaleIsStoredWithTheFoundDate) {
    auto* dialog = new CReverseDlg(g_frame);
    dialog->Show();
    using namespace reverse_ids;
    choose_item(*dialog, kYearStem, from_gbk("庚"));
    choose_item(*dialog, kYearBranch, from_gbk("子"));
    ASSERT_EQ(4u, combo_of(*dialog, kYear)->GetCount());  // 1900, 1960, 2020, 2080
    EXPECT_EQ("2020", combo_of(*dialog, kYear)->GetString(2));
    EXPECT_EQ("2080", combo_of(*dialog, kYear)->GetString(3));
    choose_item(*dialog, kYear, "1960");
    choose_item(*dialog, kDayStem, from_gbk("己"));
    choose_item(*dialog, kDayBranch, from_gbk("巳"));
    choose_item(*dialog, kHourPillar, from_gbk("己巳"));
    EXPECT_FALSE(confirm_enabled(*dialog)) << "no month chosen yet";
    press_radio(*dialog, kFemale);
    // Changing the year pillar empties the year and month lists again.
    choose_item(*dialog, kYearStem, from_gbk("甲"));
    EXPECT_FALSE(combo_of(*dialog, kYear)->IsEnabled());
    EXPECT_EQ(0u, combo_of(*dialog, kMonthPillar)->GetCount());
    choose_item(*dialog, kYearBranch, from_gbk("子"));
    choose_item(*dialog, kYear, "1984");
    choose_item(*dialog, kMonthPillar, from_gbk("丙寅"));
    EXPECT_TRUE(confirm_enabled(*dialog));
    click_button(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown()) << "OK closes the dialog";
    EXPECT_EQ(0, chart.sexFlag);
    EXPECT_EQ(1984, chart.lunarYear);
    EXPECT_EQ(4, chart.lunarDay);
    dialog->Destroy();
    pump(100);
}

TEST(ProgressWindow, MarksTheStagesPassedAndNoOthers) {
    auto* progress = new CProgressDlg(g_frame);
    progress->Bar()->m_startColour = from_color_ref(0x00FF0000);
    progress->Bar()->m_endColour = from_color_ref(0x00880000);
    progress->Bar()->m_showPercent = true;
    progress->Show();
    for (int position = 0; position <= 60; ++position) {
        progress->set_position(position);
        for (int i = 0; i < kChartStageCount; ++i)
            if (ChartStages[static_cast<std::size_t>(i)].position == position) progress->stage_done(i);
    }
    EXPECT_EQ(from_gbk("进度"), progress->GetTitle());
    for (int i = 0; i < kChartStageCount; ++i)
        EXPECT_EQ(i <= 4 ? from_gbk("√") : wxString(), progress->MarkOf(i)) << "stage " << i;
    EXPECT_NE(nullptr, wxWindow::FindWindowById(1019, progress));  // 近十二个月运气
    EXPECT_EQ("60%", progress->Bar()->PercentText());
    EXPECT_FALSE(progress->cancelled());
    take_screenshot("orvane-progress");
    progress->Destroy();
    pump(100);
}

TEST(ColorProgress, HalfwayShowsTheGradientOnTheLeftAndThePercentage) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "bar", wxPoint(0, 0), wxSize(420, 80));
    auto* bar = new CColorProgressCtrl(frame, kProgressBarId, wxPoint(10, 10), wxSize(400, 30));
    bar->m_startColour = from_color_ref(0x00FF0000);
    bar->m_endColour = from_color_ref(0x00880000);
    bar->m_showPercent = true;
    bar->SetRange(0, 100);
    bar->SetPos(50);
    frame->Show();
    frame->Raise();
    EXPECT_EQ("50%", bar->PercentText());
    EXPECT_EQ(200, bar->FilledWidth(400));
    const wxImage shot = take_screenshot("orvane-colour-bar-50");
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
    pump(100);
}

// orvane --print-pdf FILE BIRTH: cast in the window, printed through it, ended.
TEST(OrvaneProgram, PrintPdfGivesEveryPageOfTheReport) {
    const std::string folder = screenshot_folder() + "/print-pdf";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* part : {"style", "help"}) fs::copy(g_program + "/" + part, folder + "/" + part, fs::copy_options::recursive);
    const std::string pdf = folder + "/report.pdf";
    const wxString program = wxString(g_builtProgram + "/orvane --print-pdf ") + pdf + " --program-dir " + folder;
    EXPECT_EQ(0, run_to_end(program + " --solar 1984-02-04 --time 05:06 --sex male --options 1101 --name " +
                              wxString::FromUTF8(Utf8("李四")), 60000));
    const int pages = pdf_page_count(pdf);
    wxArrayString info;
    wxExecute("pdfinfo '" + pdf + "'", info, wxEXEC_SYNC);
    EXPECT_NE(wxNOT_FOUND, wxJoin(info, '\n').Find(wxString::Format("Pages:           %d", pages))) << wxJoin(info, '\n');
    EXPECT_GT(pages, 10);
    const std::string first = pdf_text(pdf, 1, 1);
    // The fonts map some signs to radicals in the text layer (乙 to U+2F04, 辰 to
    // U+2FA0): the texts looked for avoid those signs.
    for (const char* text : {"李四 男命", "癸", "亥", "星期六", "命主资料"})
        EXPECT_NE(std::string::npos, first.find(Utf8(text))) << text;
    // The last section, the monthly pillars of the eighty years 1984-2063, runs to the last page.
    const std::string last = pdf_text(pdf, pages, pages);
    EXPECT_NE(std::string::npos, last.find(Utf8("2063 壬午 壬寅 癸卯"))) << last;
    EXPECT_NE(std::string::npos, last.find(Utf8("命理学的可贵")));
    EXPECT_EQ(0, std::system(("pdftoppm -r 40 -png '" + pdf + "' '" + screenshot_folder() + "/orvane-print-pdf-page'").c_str()));

    // A date that does not exist: refused with the program's own message, no file.
    const std::string refused = folder + "/refused.pdf";
    EXPECT_EQ(2, run_to_end(wxString(g_builtProgram + "/orvane --print-pdf ") + refused + " --program-dir " + folder +
                              " --solar 1984-02-30 --time 05:06 --sex male --options 1101",
                          60000));
    EXPECT_FALSE(fs::exists(refused));
}

// The real program, started alone, stays up with its welcome page.
TEST(OrvaneProgram, StartsAndStaysUp) {
    RunningProcess watcher;
    const long pid = wxExecute(wxString(g_builtProgram + "/orvane"), wxEXEC_ASYNC, &watcher);
    ASSERT_GT(pid, 0);
    pump(5000);
    ASSERT_FALSE(watcher.done) << "orvane ended by itself with status " << watcher.status;
    take_screenshot("orvane-program");
    wxProcess::Kill(pid, wxSIGTERM);
    const wxStopWatch watch;
    while (!watcher.done && watch.Time() < 5000) pump(50);
    EXPECT_TRUE(watcher.done);
}

}  // namespace
}  // namespace orvane::gui

// orvane_window_tests PROGRAM_DIR SCREENSHOT_DIR [gtest flags]
int main(int argc, char** argv) {
    using namespace orvane::gui;
    namespace fs = std::filesystem;
    window_test::WindowTestHooks hooks;
    hooks.arguments = [](int count, char** args) {
        if (count < 3) {
            std::fprintf(stderr, "usage: %s program-dir screenshot-dir\n", args[0]);
            return false;
        }
        g_builtProgram = args[1];
        window_test::set_screenshot_folder(args[2]);
        g_program = window_test::screenshot_folder() + "/program";
        fs::remove_all(g_program);
        fs::create_directories(g_program);
        for (const char* part : {"style", "help", "bzzs", "pmsl"})
            fs::copy(g_builtProgram + "/" + part, g_program + "/" + part, fs::copy_options::recursive);
        std::ofstream(g_program + "/option.dat", std::ios::binary) << "11\r\n1\r\n0\r\n";  // place asked, no history
        // A style.ini as an editor may leave it: a blank line, and a name saved as UTF-8.
        std::ofstream(g_program + "/style/style.ini", std::ios::binary)
            << "全屏宽版\r\n典雅标准版\r\n\r\n黑白打印版\r\n" << reinterpret_cast<const char*>(u8"古典朱墨版")
            << "\r\n大字阅读版\r\n";
        platform::set_program_dir(g_program);
        return true;
    };
    hooks.started = [] {
        g_frame = new CMainFrame();
        g_frame->SetSize(0, 0, 1000, 740);
        g_frame->NewChartWindow();
        g_frame->Show();
        window_test::pump(1500);
    };
    hooks.finishing = [] { g_frame->Destroy(); };
    return window_test::run_window_tests(argc, argv, hooks);
}
