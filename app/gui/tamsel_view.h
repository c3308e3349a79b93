// 命稿视图 — the chart window's HTML view and the chart commands: the birth
// dialog, the build with its progress window, the style menu and the pages.
#pragma once

#include <wx/panel.h>

#include <wx/string.h>

#include <string>

class wxMenu;
class wxMenuBar;
class wxWebView;

namespace orvane::gui {

class CTamselView : public wxPanel {
public:
    explicit CTamselView(wxWindow* parent);

    // Shows a file of the program folder ("help/welcome.htm", "help/yhxx.htm#version")
    // or a full path, at an anchor ("#version") when given. A missing file is said
    // in a message and the page shown stays; false then.
    void ShowProgramPage(const std::string& relative);
    bool ShowPath(const std::string& path, const std::string& anchor = "");
    // index.htm of the current style folder, or its right.htm when the frame page is missing.
    void ShowReport();
    wxWebView* Browser() const { return m_browser; }
    wxString CurrentUrl() const;

    // The chart commands. Each returns once the chart is built (or its dialog
    // was cancelled).
    void OnInputBirth(bool editMode);
    void OnHistory();
    void OnReverseLookup();
    void build_chart();
    void build_style_menu();
    void apply_style(const std::string& number);

    static bool Building() { return s_building; }

private:
    // Shows the chart command's dialog; on OK builds the chart and the style menu.
    template <class Dialog, class... Args>
    void CastFrom(Args... args);
    wxMenu* StyleMenu(size_t* top) const;

    std::string m_programFolder;
    wxWebView* m_browser = nullptr;
    static bool s_building;
};

// Set once the style menu holds the style names; shared by every chart window.
bool& style_menu_built();

// The 格式 menu of a menu bar, found by its fixed first item; its place in the bar in `top`.
wxMenu* FindStyleMenu(wxMenuBar* bar, size_t* top = nullptr);

// A style name as a menu label: the text as it reads, without mnemonic or accelerator.
wxString StyleLabel(const std::string& gbkName);

}  // namespace orvane::gui
