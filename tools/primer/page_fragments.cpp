// The frame every primer and example page shares: the head with its style, the program's
// navigation bar, the list of the section's pages, and the end of the page.
#include "tools/primer/fragments.h"
#include "tools/primer/html.h"

namespace primer {
namespace {

struct PageLink {
    const char* file;
    const char* name;
};

const std::vector<PageLink> kPrimerPages = {
    {"index.htm", "导读"},       {"ganzhi.htm", "干支五行"},   {"liushi.htm", "六十甲子"},
    {"shishen.htm", "十神"},     {"changsheng.htm", "十二长生"}, {"guanxi.htm", "合冲刑害"},
    {"sizhu.htm", "排四柱"},     {"dayun.htm", "大运流年"},   {"qiangruo.htm", "强弱用神"},
    {"shensha.htm", "神煞"}};

const std::vector<PageLink> kStarPages = {
    {"shensha.htm", "总说"},          {"shensha1.htm", "以年干查"}, {"shensha2.htm", "以年支查"},
    {"shensha3.htm", "以月支查"},     {"shensha4.htm", "以日干查"}, {"shensha5.htm", "以日支查"}};

const std::vector<PageLink> kExamplePages = {
    {"index.htm", "总览"}, {"li1.htm", "例一 身强"}, {"li2.htm", "例二 身弱"}, {"li3.htm", "例三 立春前"},
    {"li4.htm", "例四 立春后"}, {"li5.htm", "例五 夜子时"}, {"li6.htm", "例六 闰月"}, {"li7.htm", "例七 新疆喀什"}};

const char* const kStyle = R"(body { font-family: "Noto Sans CJK SC", "Microsoft YaHei", sans-serif; margin: 0; color: #2b2b2b; background: #fbf8f1; line-height: 1.75; }
header { background: #8c2f2f; color: #fff; padding: 18px 32px; }
header h1 { margin: 0; font-size: 24px; letter-spacing: 2px; }
header p { margin: 4px 0 0; opacity: .85; }
main { max-width: 860px; padding: 12px 32px 40px; }
h2 { color: #8c2f2f; font-size: 19px; border-bottom: 1px solid #e2d6c0; padding-bottom: 4px; margin-top: 30px; }
h3 { color: #8c2f2f; font-size: 16px; margin: 22px 0 4px; }
a { color: #8c2f2f; }
nav a { margin-right: 14px; }
.toc { background: #f2ebdc; padding: 6px 12px; margin: 10px 0 4px; font-size: 14px; }
.toc a, .toc b { margin-right: 12px; white-space: nowrap; }
.toc b { color: #2b2b2b; }
table { border-collapse: collapse; margin: 8px 0 16px; }
td, th { border: 1px solid #e2d6c0; padding: 3px 8px; vertical-align: top; }
th { background: #f2ebdc; font-weight: normal; }
td small, th small { color: #7a6a55; }
table.grid td, table.grid th, table.sixty td, table.sixty th, table.keys td, table.keys th { text-align: center; padding: 3px 5px; }
table.sixty td { min-width: 96px; }
table.sixty tr.void td { background: #f6ecd6; }
table.keys { font-size: 14px; }
p.pairs { font-size: 18px; letter-spacing: 1px; }
p.chart { font-size: 18px; letter-spacing: 2px; }
.note { background: #fff; border-left: 4px solid #c9a25c; padding: 8px 14px; }
.star { border-top: 1px dashed #e2d6c0; margin-top: 14px; }
.star p { margin: 4px 0; }
.star .alias { color: #7a6a55; font-size: 14px; }
.starlinks a { white-space: nowrap; }
)";

const std::vector<PageLink>& pages_of(const std::string& section) {
    if (section == "bzzs") return kPrimerPages;
    if (section == "shensha") return kStarPages;
    if (section == "pmsl") return kExamplePages;
    throw FragmentError("no section " + section);
}

std::string toc(const std::string& section, const std::string& current) {
    std::vector<std::string> links;
    for (const PageLink& page : pages_of(section))
        links.push_back(current == page.file ? std::string("<b>") + page.name + "</b>"
                                             : format("<a href=\"%s\">%s</a>", page.file, page.name));
    return "<div class=\"toc\">" + join(links, "") + "</div>\n";
}

// <!--@head SECTION FILE TITLE SUBTITLE…-->: the page up to its first own line.
std::string head(const Args& args) {
    if (args.size() < 4) throw FragmentError("needs a section, the file, a title and a subtitle");
    std::vector<std::string> subtitle(args.begin() + 3, args.end());
    std::string html = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"gbk\">\n";
    html += "<title>" + args[2] + "</title>\n<style>\n" + kStyle + "</style>\n</head>\n<body>\n";
    html += "<header><h1>" + args[2] + "</h1><p>" + join(subtitle, " ") + "</p></header>\n<main>\n";
    html += "<nav><a href=\"../help/welcome.htm\">欢迎</a><a href=\"../help/index.htm\">帮助</a>"
            "<a href=\"../help/cjwt.htm\">常见问题</a><a href=\"../bzzs/index.htm\">八字知识</a>"
            "<a href=\"../pmsl/index.htm\">批命示例</a><a href=\"../help/wyrl.htm\">日历</a></nav>\n";
    const std::string section = args[0] == "shensha" ? "bzzs" : args[0];
    html += toc(section, args[0] == "shensha" ? "shensha.htm" : args[1]);
    if (args[0] == "shensha") html += toc("shensha", args[1]);
    return html;
}

std::string foot(const Args&) { return "</main>\n</body>\n</html>\n"; }

}  // namespace

std::vector<Fragment> page_fragments() {
    return {{"head", head}, {"foot", foot}};
}

}  // namespace primer
