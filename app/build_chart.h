// 批命 — the chart command sequence: compute the chart, run every producer at
// its position of the progress bar, expand the style's template and write the
// page as right.htm into the style folder.
#pragma once

#include <array>
#include <string>

namespace orvane {

// One stage of the sequence, tied to a position of the progress bar (0 … 100).
struct ChartStage {
    int position;
    const char* label;  // as the progress window shows it
    int markCell;       // the id of the cell that shows "√" when the stage is done
    void (*run)();      // nullptr for a stage without work
};

inline constexpr int kChartStageCount = 15;
extern const std::array<ChartStage, kChartStageCount> ChartStages;

// The progress window's side of the sequence. The window implements it; the
// headless command uses the defaults (no window, never cancelled).
class BuildObserver {
public:
    virtual ~BuildObserver() = default;
    virtual void set_position(int position) {}
    // Lets waiting window messages run; true once the user has cancelled.
    virtual bool cancelled() { return false; }
    virtual void stage_done(int stageIndex) {}
};

enum class BuildResult {
    written,       // right.htm written; the view shows index.htm of the style folder
    cancelled,     // nothing written
    no_template,   // the template could not be opened; nothing written
    write_failed,  // right.htm could not be written; the previous page stays
};

// Runs the sequence on the birth data in the chart record and writes right.htm.
BuildResult build_chart(BuildObserver& observer);
// The same without writing: `page` gets what right.htm would hold (written
// stands for a page made; never write_failed).
BuildResult build_chart_page(BuildObserver& observer, std::string& page);
BuildResult build_chart();

// right.htm of the current style folder.
std::string right_page_path();

// Writes a page as right.htm of the current style folder, through a temporary
// file and a rename. Shows a message and returns false when it cannot.
bool write_right_page(const std::string& page);

}  // namespace orvane
