// 命稿视图 — the chart window's HTML view and the chart commands: the birth
// dialog, the build with its progress window, the style menu and the pages.
#pragma once

#include <wx/panel.h>

#include <string>

class wxMenu;
class wxWebView;

namespace orvane::gui {

class CTamselView : public wxPanel {
public:
    explicit CTamselView(wxWindow* parent);

    // Shows a file of the program folder ("help/welcome.htm") or a full path.
    void ShowProgramPage(const std::string& relative);
    void ShowPath(const std::string& path);
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
    wxMenu* StyleMenu() const;

    std::string m_programFolder;
    wxWebView* m_browser = nullptr;
    int m_nextStyleCommand;
    static bool s_building;
};

// Set once the style menu holds the style names; shared by every chart window.
bool& style_menu_built();

}  // namespace orvane::gui
