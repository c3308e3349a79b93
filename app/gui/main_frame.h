// 主窗口 — the multiple-document main window: menus, toolbar, status bar, and
// the dispatch of every command to the active chart window.
#pragma once

#include <wx/mdi.h>

#include <functional>

namespace orvane::gui {

class CChildFrame;
class CTamselView;

class CMainFrame : public wxMDIParentFrame {
public:
    CMainFrame();

    CChildFrame* NewChartWindow();
    CTamselView* ActiveView() const;

    // Runs the handler of a command as the menu would.
    void RunCommand(int command);

private:
    wxMenuBar* BuildMenuBar();
    void BuildToolBar();
    void OnCommand(wxCommandEvent& event);
    void OnUpdateChartCommand(wxUpdateUIEvent& event);
    void OnAbout();
    void OnOpen();
    void OnSaveAs();
};

}  // namespace orvane::gui
