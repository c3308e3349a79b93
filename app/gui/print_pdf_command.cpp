#include "app/gui/print_pdf_command.h"

#include <CLI/CLI.hpp>

#include <wx/filename.h>

#include <cstdio>

#include "app/build_chart.h"
#include "app/gui/main_frame.h"
#include "app/gui/orvane_app.h"
#include "app/gui/tamsel_view.h"
#include "cli/birth_args.h"
#include "cli/cli_support.h"
#include "platform/encoding.h"
#include "platform/program_dir.h"
#include "report/style_folder.h"

namespace orvane::gui {
namespace {

void say_on_stderr(const std::string& gbk) { std::fprintf(stderr, "%s\n", platform::gbk_to_utf8_lossy(gbk).c_str()); }

}  // namespace

std::optional<PrintPdfJob> parse_print_pdf(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2 || arguments[1] != "--print-pdf") return std::nullopt;
    PrintPdfJob job;
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        if (arguments[i] == "--program-dir" && i + 1 < arguments.size()) {
            job.programDir = arguments[++i];
        } else if (job.pdfPath.empty() && !arguments[i].empty() && arguments[i][0] != '-') {
            job.pdfPath = arguments[i];
        } else {
            job.birthArguments.push_back(arguments[i]);
        }
    }
    return job;
}

int run_print_pdf(const PrintPdfJob& job) {
    if (job.pdfPath.empty()) {
        std::fputs("usage: orvane --print-pdf FILE BIRTH [--program-dir DIR]\n", stderr);
        return cli::kRefused;
    }
    if (!job.programDir.empty()) platform::set_program_dir(job.programDir);

    CLI::App parser("orvane --print-pdf FILE BIRTH");
    cli::BirthArgs birth;
    cli::add_birth_options(parser, birth);
    std::vector<std::string> reversed(job.birthArguments.rbegin(), job.birthArguments.rend());
    try {
        parser.parse(reversed);
    } catch (const CLI::ParseError& error) {
        std::fprintf(stderr, "orvane --print-pdf: %s\n", error.what());
        return cli::kRefused;
    }

    cli::MessageCapture capture(birth.yes);
    try {
        cli::store_birth(birth, capture);
    } catch (const cli::Refusal& refusal) {
        for (const std::string& message : capture.messages) say_on_stderr(message);
        say_on_stderr(refusal.what());
        return cli::kRefused;
    }

    CMainFrame* frame = open_main_frame();
    CTamselView* view = frame->ActiveView();
    int status = 1;
    if (view) {
        view->build_chart();
        std::string error;
        if (!wxFileName::FileExists(wxString::FromUTF8(right_page_path().c_str()))) {
            error = "命书没有写出";
        } else if (view->PrintToPdf(wxString::FromUTF8(job.pdfPath.c_str()), &error)) {
            status = 0;
        }
        if (!error.empty()) say_on_stderr("orvane --print-pdf: " + error);
    }
    for (const std::string& message : capture.messages) say_on_stderr(message);
    frame->Destroy();
    return status;
}

}  // namespace orvane::gui
