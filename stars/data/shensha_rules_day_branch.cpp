// 日支神煞 — rule rows of the special stars keyed by the day branch (501..509).
// Rows are in StarId order, the rows of one star together; a star with a rule of its own
// and no rows is named in a comment only.
// Under each star's opening comment a line says where its rows come from: "source:" and the
// book or table they follow, or "reconstructed:" and the rule used where no table under the
// star's name is known to us. Stars whose rows the program's definition writes out need neither.
#include "stars/shensha_tables.h"

namespace orvane {

using namespace shensha_notation;

const std::array<ShenShaRuleRow, 50> DayBranchStarRules = {{
    // 501 天屠杀 of the day branch (子午, 丑亥, 寅戌, 卯酉 …)
    branch_row(501, 子, 午), branch_row(501, 丑, 亥), branch_row(501, 寅, 戌), branch_row(501, 卯, 酉), branch_row(501, 辰, 申),
    branch_row(501, 巳, 未), branch_row(501, 午, 子), branch_row(501, 未, 巳), branch_row(501, 申, 辰), branch_row(501, 酉, 卯),
    branch_row(501, 戌, 寅), branch_row(501, 亥, 丑),
    // 502 天罗: a 戌 day meets 亥
    //   source: 《三命通会·论天罗地网》
    branch_row(502, 戌, 亥),
    // 503 地网: a 辰 day meets 巳
    //   source: 《三命通会·论天罗地网》
    branch_row(503, 辰, 巳),
    // 504 风云庆会: rule of its own, no rows.
    // 505 禄元互换 of the day branch, met by the hour stem
    stem_row(505, 子, 丙), stem_row(505, 子, 庚), stem_row(505, 申, 戊), stem_row(505, 酉, 丁),
    // 506 隔角杀: the branch just past the next corner (亥子丑卯, 寅卯辰午, 巳午未酉, 申酉戌子)
    //   reconstructed: the rows of 212, read from the day branch
    branch_row(506, 子, 卯), branch_row(506, 丑, 卯), branch_row(506, 寅, 午), branch_row(506, 卯, 午), branch_row(506, 辰, 午),
    branch_row(506, 巳, 酉), branch_row(506, 午, 酉), branch_row(506, 未, 酉), branch_row(506, 申, 子), branch_row(506, 酉, 子),
    branch_row(506, 戌, 子), branch_row(506, 亥, 卯),
    // 507 孤辰隔角: the 孤辰 of the day branch (亥子丑寅, 寅卯辰巳, 巳午未申, 申酉戌亥)
    //   reconstructed: the 孤辰 of 210, read from the day branch
    branch_row(507, 子, 寅), branch_row(507, 丑, 寅), branch_row(507, 寅, 巳), branch_row(507, 卯, 巳), branch_row(507, 辰, 巳),
    branch_row(507, 巳, 申), branch_row(507, 午, 申), branch_row(507, 未, 申), branch_row(507, 申, 亥), branch_row(507, 酉, 亥),
    branch_row(507, 戌, 亥), branch_row(507, 亥, 寅),
    // 508 惆怅杀: the cardinal branches met by their punishment (子卯, 卯子, 午午, 酉酉)
    //   reconstructed: the cardinal branches met by their punishment
    branch_row(508, 子, 卯), branch_row(508, 卯, 子), branch_row(508, 午, 午), branch_row(508, 酉, 酉),
    // 509 血光杀: the 三刑 of 寅巳申, and 亥 on itself
    //   reconstructed: the 三刑 of 寅巳申, and 亥 on itself
    branch_row(509, 寅, 巳), branch_row(509, 巳, 申), branch_row(509, 申, 寅), branch_row(509, 亥, 亥),
}};

}  // namespace orvane
