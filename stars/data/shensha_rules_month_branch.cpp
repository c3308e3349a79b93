// 月支神煞 — rule rows of the special stars keyed by the month branch (301..383).
// Rows are in StarId order, the rows of one star together; a star with a rule of its own
// and no rows is named in a comment only.
// Under each star's opening comment a line says where its rows come from: "source:" and the
// book or table they follow, or "reconstructed:" and the rule used where no table under the
// star's name is known to us. Stars whose rows the program's definition writes out need neither.
#include "stars/shensha_tables.h"

namespace orvane {

using namespace shensha_notation;

const std::array<ShenShaRuleRow, 1021> MonthBranchStarRules = {{
    // 301 天德: 正丁二申宫, 三壬四辛同, 五亥六甲上, 七癸八寅逢, 九丙十居乙, 子巳丑庚中
    //   source: 《三命通会·论天月德》
    branch_row(301, 子, 巳), stem_row(301, 丑, 庚), stem_row(301, 寅, 丁), branch_row(301, 卯, 申), stem_row(301, 辰, 壬),
    stem_row(301, 巳, 辛), branch_row(301, 午, 亥), stem_row(301, 未, 甲), stem_row(301, 申, 癸), branch_row(301, 酉, 寅),
    stem_row(301, 戌, 丙), stem_row(301, 亥, 乙),
    // 302 天德合: the partner of the 天德 by stem combination or 六合
    //   source: 《三命通会·论天月德》
    branch_row(302, 子, 申), stem_row(302, 丑, 乙), stem_row(302, 寅, 壬), branch_row(302, 卯, 巳), stem_row(302, 辰, 丁),
    stem_row(302, 巳, 丙), branch_row(302, 午, 寅), stem_row(302, 未, 己), stem_row(302, 申, 戊), branch_row(302, 酉, 亥),
    stem_row(302, 戌, 辛), stem_row(302, 亥, 庚),
    // 303 月德: 寅午戌丙, 申子辰壬, 亥卯未甲, 巳酉丑庚
    //   source: 《三命通会·论天月德》
    stem_row(303, 子, 壬), stem_row(303, 丑, 庚), stem_row(303, 寅, 丙), stem_row(303, 卯, 甲), stem_row(303, 辰, 壬),
    stem_row(303, 巳, 庚), stem_row(303, 午, 丙), stem_row(303, 未, 甲), stem_row(303, 申, 壬), stem_row(303, 酉, 庚),
    stem_row(303, 戌, 丙), stem_row(303, 亥, 甲),
    // 304 月德合: 寅午戌辛, 申子辰丁, 亥卯未己, 巳酉丑乙
    //   source: 《三命通会·论天月德》
    stem_row(304, 子, 丁), stem_row(304, 丑, 乙), stem_row(304, 寅, 辛), stem_row(304, 卯, 己), stem_row(304, 辰, 丁),
    stem_row(304, 巳, 乙), stem_row(304, 午, 辛), stem_row(304, 未, 己), stem_row(304, 申, 丁), stem_row(304, 酉, 乙),
    stem_row(304, 戌, 辛), stem_row(304, 亥, 己),
    // 305 暗天德: the 天德 in hidden form, a stem 德 read as its 禄 branch, a branch 德 as its main stem
    //   reconstructed: the 天德 of 301 in hidden form
    stem_row(305, 子, 丙), branch_row(305, 丑, 申), branch_row(305, 寅, 午), stem_row(305, 卯, 庚), branch_row(305, 辰, 亥),
    branch_row(305, 巳, 酉), stem_row(305, 午, 壬), branch_row(305, 未, 寅), branch_row(305, 申, 子), stem_row(305, 酉, 甲),
    branch_row(305, 戌, 巳), branch_row(305, 亥, 卯),
    // 306 暗月德: the 禄 branch of the 月德 stem (寅午戌巳, 申子辰亥, 亥卯未寅, 巳酉丑申)
    //   reconstructed: the 禄 branch of the 月德 stem of 303
    branch_row(306, 子, 亥), branch_row(306, 丑, 申), branch_row(306, 寅, 巳), branch_row(306, 卯, 寅), branch_row(306, 辰, 亥),
    branch_row(306, 巳, 申), branch_row(306, 午, 巳), branch_row(306, 未, 寅), branch_row(306, 申, 亥), branch_row(306, 酉, 申),
    branch_row(306, 戌, 巳), branch_row(306, 亥, 寅),
    // 307 注受: the 六合 of the four season-opening months
    //   reconstructed: the 六合 of the four season-opening months
    branch_row(307, 寅, 亥), branch_row(307, 巳, 申), branch_row(307, 申, 巳), branch_row(307, 亥, 寅),
    // 308 月将: the 六合 of the month branch (正月登明亥, 二月河魁戌 …)
    //   source: the 月将 of 六壬 (正月登明亥 …)
    branch_row(308, 子, 丑), branch_row(308, 丑, 子), branch_row(308, 寅, 亥), branch_row(308, 卯, 戌), branch_row(308, 辰, 酉),
    branch_row(308, 巳, 申), branch_row(308, 午, 未), branch_row(308, 未, 午), branch_row(308, 申, 巳), branch_row(308, 酉, 辰),
    branch_row(308, 戌, 卯), branch_row(308, 亥, 寅),
    // 309 天医: the branch before the month
    //   source: the 天医 of 《协纪辨方书》 (正月在丑 …)
    branch_row(309, 子, 亥), branch_row(309, 丑, 子), branch_row(309, 寅, 丑), branch_row(309, 卯, 寅), branch_row(309, 辰, 卯),
    branch_row(309, 巳, 辰), branch_row(309, 午, 巳), branch_row(309, 未, 午), branch_row(309, 申, 未), branch_row(309, 酉, 申),
    branch_row(309, 戌, 酉), branch_row(309, 亥, 戌),
    // 310 建禄: the month is the 禄 of the day stem
    //   source: the 建禄 of 子平 (the month branch is the day stem's 禄)
    stem_row(310, 子, 癸), stem_row(310, 寅, 甲), stem_row(310, 卯, 乙), stem_row(310, 巳, 丙), stem_row(310, 巳, 戊),
    stem_row(310, 午, 丁), stem_row(310, 午, 己), stem_row(310, 申, 庚), stem_row(310, 酉, 辛), stem_row(310, 亥, 壬),
    // 311 天赦: 春戊寅, 夏甲午, 秋戊申, 冬甲子
    //   source: 《三命通会·论天赦》
    pillar_row(311, 子, 甲子), pillar_row(311, 丑, 甲子), pillar_row(311, 寅, 戊寅), pillar_row(311, 卯, 戊寅), pillar_row(311, 辰, 戊寅),
    pillar_row(311, 巳, 甲午), pillar_row(311, 午, 甲午), pillar_row(311, 未, 甲午), pillar_row(311, 申, 戊申), pillar_row(311, 酉, 戊申),
    pillar_row(311, 戌, 戊申), pillar_row(311, 亥, 甲子),
    // 312 火德: the 丙 of the fire months 寅午戌 and of 巳
    //   reconstructed: no table of 火德 is known; the 丙 of the fire months
    stem_row(312, 寅, 丙), stem_row(312, 巳, 丙), stem_row(312, 午, 丙), stem_row(312, 戌, 丙),
    // 313 水德: the 癸 of the water months 申子辰
    //   reconstructed: no table of 水德 is known; the 癸 of the water months
    stem_row(313, 子, 癸), stem_row(313, 辰, 癸), stem_row(313, 申, 癸),
    // 314 阳德: 正七戌, 二八子, 三九寅, 四十辰, 五十一午, 六十二申
    //   source: the 阳德 of 《协纪辨方书》
    branch_row(314, 子, 午), branch_row(314, 丑, 申), branch_row(314, 寅, 戌), branch_row(314, 卯, 子), branch_row(314, 辰, 寅),
    branch_row(314, 巳, 辰), branch_row(314, 午, 午), branch_row(314, 未, 申), branch_row(314, 申, 戌), branch_row(314, 酉, 子),
    branch_row(314, 戌, 寅), branch_row(314, 亥, 辰),
    // 315 阴德: 正七酉, 二八未, 三九巳, 四十卯, 五十一丑, 六十二亥
    //   source: the 阴德 of 《协纪辨方书》
    branch_row(315, 子, 丑), branch_row(315, 丑, 亥), branch_row(315, 寅, 酉), branch_row(315, 卯, 未), branch_row(315, 辰, 巳),
    branch_row(315, 巳, 卯), branch_row(315, 午, 丑), branch_row(315, 未, 亥), branch_row(315, 申, 酉), branch_row(315, 酉, 未),
    branch_row(315, 戌, 巳), branch_row(315, 亥, 卯),
    // 316 天喜神: 春戌, 夏丑, 秋辰, 冬未
    //   source: the 天喜 of the seasons (春戌 夏丑 秋辰 冬未)
    branch_row(316, 子, 未), branch_row(316, 丑, 未), branch_row(316, 寅, 戌), branch_row(316, 卯, 戌), branch_row(316, 辰, 戌),
    branch_row(316, 巳, 丑), branch_row(316, 午, 丑), branch_row(316, 未, 丑), branch_row(316, 申, 辰), branch_row(316, 酉, 辰),
    branch_row(316, 戌, 辰), branch_row(316, 亥, 未),
    // 317 旌德煞: the two stems of the season's 相 element (四相: 春丙丁, 夏戊己, 秋壬癸, 冬甲乙)
    //   reconstructed: the stems of the season's 相 element
    stem_row(317, 子, 甲), stem_row(317, 子, 乙), stem_row(317, 丑, 甲), stem_row(317, 丑, 乙), stem_row(317, 寅, 丙),
    stem_row(317, 寅, 丁), stem_row(317, 卯, 丙), stem_row(317, 卯, 丁), stem_row(317, 辰, 丙), stem_row(317, 辰, 丁),
    stem_row(317, 巳, 戊), stem_row(317, 巳, 己), stem_row(317, 午, 戊), stem_row(317, 午, 己), stem_row(317, 未, 戊),
    stem_row(317, 未, 己), stem_row(317, 申, 壬), stem_row(317, 申, 癸), stem_row(317, 酉, 壬), stem_row(317, 酉, 癸),
    stem_row(317, 戌, 壬), stem_row(317, 戌, 癸), stem_row(317, 亥, 甲), stem_row(317, 亥, 乙),
    // 318 旌钺: the branch that clashes the month (月破)
    //   reconstructed: the 月破 taken for the 旌钺
    branch_row(318, 子, 午), branch_row(318, 丑, 未), branch_row(318, 寅, 申), branch_row(318, 卯, 酉), branch_row(318, 辰, 戌),
    branch_row(318, 巳, 亥), branch_row(318, 午, 子), branch_row(318, 未, 丑), branch_row(318, 申, 寅), branch_row(318, 酉, 卯),
    branch_row(318, 戌, 辰), branch_row(318, 亥, 巳),
    // 319 旌钺, as pillars: the month branch carrying the metal stem of its own polarity (庚 or 辛)
    //   reconstructed: the month branch with the metal stem of its own polarity
    pillar_row(319, 子, 庚子), pillar_row(319, 丑, 辛丑), pillar_row(319, 寅, 庚寅), pillar_row(319, 卯, 辛卯), pillar_row(319, 辰, 庚辰),
    pillar_row(319, 巳, 辛巳), pillar_row(319, 午, 庚午), pillar_row(319, 未, 辛未), pillar_row(319, 申, 庚申), pillar_row(319, 酉, 辛酉),
    pillar_row(319, 戌, 庚戌), pillar_row(319, 亥, 辛亥),
    // 320 福德, the 德 of 德秀: 寅午戌丙丁, 申子辰壬癸戊己, 巳酉丑庚辛, 亥卯未甲乙
    //   source: 《三命通会·论德秀》: the 德
    stem_row(320, 子, 壬), stem_row(320, 子, 癸), stem_row(320, 子, 戊), stem_row(320, 子, 己), stem_row(320, 丑, 庚),
    stem_row(320, 丑, 辛), stem_row(320, 寅, 丙), stem_row(320, 寅, 丁), stem_row(320, 卯, 甲), stem_row(320, 卯, 乙),
    stem_row(320, 辰, 壬), stem_row(320, 辰, 癸), stem_row(320, 辰, 戊), stem_row(320, 辰, 己), stem_row(320, 巳, 庚),
    stem_row(320, 巳, 辛), stem_row(320, 午, 丙), stem_row(320, 午, 丁), stem_row(320, 未, 甲), stem_row(320, 未, 乙),
    stem_row(320, 申, 壬), stem_row(320, 申, 癸), stem_row(320, 申, 戊), stem_row(320, 申, 己), stem_row(320, 酉, 庚),
    stem_row(320, 酉, 辛), stem_row(320, 戌, 丙), stem_row(320, 戌, 丁), stem_row(320, 亥, 甲), stem_row(320, 亥, 乙),
    // 321 秀气, the 秀 of 德秀: 寅午戌戊癸, 申子辰丙辛甲己, 巳酉丑乙庚, 亥卯未丁壬
    //   source: 《三命通会·论德秀》: the 秀
    stem_row(321, 子, 丙), stem_row(321, 子, 辛), stem_row(321, 子, 甲), stem_row(321, 子, 己), stem_row(321, 丑, 乙),
    stem_row(321, 丑, 庚), stem_row(321, 寅, 戊), stem_row(321, 寅, 癸), stem_row(321, 卯, 丁), stem_row(321, 卯, 壬),
    stem_row(321, 辰, 丙), stem_row(321, 辰, 辛), stem_row(321, 辰, 甲), stem_row(321, 辰, 己), stem_row(321, 巳, 乙),
    stem_row(321, 巳, 庚), stem_row(321, 午, 戊), stem_row(321, 午, 癸), stem_row(321, 未, 丁), stem_row(321, 未, 壬),
    stem_row(321, 申, 丙), stem_row(321, 申, 辛), stem_row(321, 申, 甲), stem_row(321, 申, 己), stem_row(321, 酉, 乙),
    stem_row(321, 酉, 庚), stem_row(321, 戌, 戊), stem_row(321, 戌, 癸), stem_row(321, 亥, 丁), stem_row(321, 亥, 壬),
    // 322 冰消瓦解(破月): 冰消瓦解: 正巳, 二子, 三丑, 四申, 五卯, 六戌, 七亥, 八午, 九未, 十寅, 十一酉, 十二辰
    //   source: the 冰消瓦解 day of the 通书
    branch_row(322, 子, 酉), branch_row(322, 丑, 辰), branch_row(322, 寅, 巳), branch_row(322, 卯, 子), branch_row(322, 辰, 丑),
    branch_row(322, 巳, 申), branch_row(322, 午, 卯), branch_row(322, 未, 戌), branch_row(322, 申, 亥), branch_row(322, 酉, 午),
    branch_row(322, 戌, 未), branch_row(322, 亥, 寅),
    // 323 地扫星: rule of its own, no rows.
    // 324 血忌: 正丑, 二未, 三寅, 四申, 五卯, 六酉, 七辰, 八戌, 九巳, 十亥, 十一午, 十二子
    //   source: the 血忌 of 《协纪辨方书》
    branch_row(324, 子, 午), branch_row(324, 丑, 子), branch_row(324, 寅, 丑), branch_row(324, 卯, 未), branch_row(324, 辰, 寅),
    branch_row(324, 巳, 申), branch_row(324, 午, 卯), branch_row(324, 未, 酉), branch_row(324, 申, 辰), branch_row(324, 酉, 戌),
    branch_row(324, 戌, 巳), branch_row(324, 亥, 亥),
    // 325 血支: the branch before the month (正丑, 二寅 …)
    //   source: the 血支 of 《协纪辨方书》, the branch before the month like the 天医 of 309
    branch_row(325, 子, 亥), branch_row(325, 丑, 子), branch_row(325, 寅, 丑), branch_row(325, 卯, 寅), branch_row(325, 辰, 卯),
    branch_row(325, 巳, 辰), branch_row(325, 午, 巳), branch_row(325, 未, 午), branch_row(325, 申, 未), branch_row(325, 酉, 申),
    branch_row(325, 戌, 酉), branch_row(325, 亥, 戌),
    // 326 天耗: the 大耗, the branch that clashes the month
    //   reconstructed: the 大耗 (月破, as 318) taken for the 天耗
    branch_row(326, 子, 午), branch_row(326, 丑, 未), branch_row(326, 寅, 申), branch_row(326, 卯, 酉), branch_row(326, 辰, 戌),
    branch_row(326, 巳, 亥), branch_row(326, 午, 子), branch_row(326, 未, 丑), branch_row(326, 申, 寅), branch_row(326, 酉, 卯),
    branch_row(326, 戌, 辰), branch_row(326, 亥, 巳),
    // 327 地耗: the 小耗, the fifth branch after the month
    //   reconstructed: the 小耗 taken for the 地耗
    branch_row(327, 子, 巳), branch_row(327, 丑, 午), branch_row(327, 寅, 未), branch_row(327, 卯, 申), branch_row(327, 辰, 酉),
    branch_row(327, 巳, 戌), branch_row(327, 午, 亥), branch_row(327, 未, 子), branch_row(327, 申, 丑), branch_row(327, 酉, 寅),
    branch_row(327, 戌, 卯), branch_row(327, 亥, 辰),
    // 328 三坵: 春丑, 夏辰, 秋未, 冬戌
    //   source: the 三丘 of 《协纪辨方书》
    branch_row(328, 子, 戌), branch_row(328, 丑, 戌), branch_row(328, 寅, 丑), branch_row(328, 卯, 丑), branch_row(328, 辰, 丑),
    branch_row(328, 巳, 辰), branch_row(328, 午, 辰), branch_row(328, 未, 辰), branch_row(328, 申, 未), branch_row(328, 酉, 未),
    branch_row(328, 戌, 未), branch_row(328, 亥, 戌),
    // 329 五墓: 春未 (乙未), 夏戌 (丙戌), 秋丑 (辛丑), 冬辰 (壬辰), 四季月辰 (戊辰)
    //   source: the 五墓 of 《协纪辨方书》
    branch_row(329, 子, 辰), branch_row(329, 丑, 辰), branch_row(329, 寅, 未), branch_row(329, 卯, 未), branch_row(329, 辰, 辰),
    branch_row(329, 巳, 戌), branch_row(329, 午, 戌), branch_row(329, 未, 辰), branch_row(329, 申, 丑), branch_row(329, 酉, 丑),
    branch_row(329, 戌, 辰), branch_row(329, 亥, 辰),
    // 330 天转: 春乙卯, 夏丙午, 秋辛酉, 冬壬子
    //   source: the 天转 of 《协纪辨方书》
    pillar_row(330, 子, 壬子), pillar_row(330, 丑, 壬子), pillar_row(330, 寅, 乙卯), pillar_row(330, 卯, 乙卯), pillar_row(330, 辰, 乙卯),
    pillar_row(330, 巳, 丙午), pillar_row(330, 午, 丙午), pillar_row(330, 未, 丙午), pillar_row(330, 申, 辛酉), pillar_row(330, 酉, 辛酉),
    pillar_row(330, 戌, 辛酉), pillar_row(330, 亥, 壬子),
    // 331 地转: 春辛卯, 夏戊午, 秋癸酉, 冬丙子
    //   source: the 地转 of 《协纪辨方书》
    pillar_row(331, 子, 丙子), pillar_row(331, 丑, 丙子), pillar_row(331, 寅, 辛卯), pillar_row(331, 卯, 辛卯), pillar_row(331, 辰, 辛卯),
    pillar_row(331, 巳, 戊午), pillar_row(331, 午, 戊午), pillar_row(331, 未, 戊午), pillar_row(331, 申, 癸酉), pillar_row(331, 酉, 癸酉),
    pillar_row(331, 戌, 癸酉), pillar_row(331, 亥, 丙子),
    // 332 四废日: the season's two day pillars reduced to their branches, compared at the day branch
    //   source: the 四废 of 《协纪辨方书》 (春庚申辛酉, 夏壬子癸亥, 秋甲寅乙卯, 冬丙午丁巳). Five branch rows
    //   hold one branch of the pair for each middle month (卯酉, 午子, 酉卯, 子午) and 申 for 辰, the last
    //   spring month; the stems of the pair are not compared, and the other months have no row
    branch_row(332, 子, 午), branch_row(332, 卯, 酉), branch_row(332, 辰, 申), branch_row(332, 午, 子), branch_row(332, 酉, 卯),
    // 333 十恶大败, as year pillars: each of the ten days whose 禄 is void, in the month of its 禄; 戊戌 and 己丑 also in the earth months
    //   reconstructed: each 十恶大败 day in the month of its 禄, as a year pillar
    pillar_row(333, 子, 癸亥), pillar_row(333, 丑, 己丑), pillar_row(333, 寅, 甲辰), pillar_row(333, 卯, 乙巳), pillar_row(333, 辰, 戊戌),
    pillar_row(333, 巳, 丙申), pillar_row(333, 巳, 戊戌), pillar_row(333, 午, 丁亥), pillar_row(333, 午, 己丑), pillar_row(333, 未, 己丑),
    pillar_row(333, 申, 庚辰), pillar_row(333, 酉, 辛巳), pillar_row(333, 戌, 戊戌), pillar_row(333, 亥, 壬申),
    // 334 雷霆杀1: the other two branches of the month's triad, in the first and middle months of a season; the triad's tomb in the last
    //   reconstructed: the month's triad, its tomb in the last month of a season
    branch_row(334, 子, 辰), branch_row(334, 子, 申), branch_row(334, 丑, 丑), branch_row(334, 寅, 午), branch_row(334, 寅, 戌),
    branch_row(334, 卯, 未), branch_row(334, 卯, 亥), branch_row(334, 辰, 辰), branch_row(334, 巳, 丑), branch_row(334, 巳, 酉),
    branch_row(334, 午, 寅), branch_row(334, 午, 戌), branch_row(334, 未, 未), branch_row(334, 申, 子), branch_row(334, 申, 辰),
    branch_row(334, 酉, 丑), branch_row(334, 酉, 巳), branch_row(334, 戌, 戌), branch_row(334, 亥, 卯), branch_row(334, 亥, 未),
    // 335 雷霆杀2: the branch that punishes the month (三刑, 自刑 for 辰午酉亥)
    //   reconstructed: the 三刑 of the month branch
    branch_row(335, 子, 卯), branch_row(335, 丑, 戌), branch_row(335, 寅, 巳), branch_row(335, 卯, 子), branch_row(335, 辰, 辰),
    branch_row(335, 巳, 申), branch_row(335, 午, 午), branch_row(335, 未, 丑), branch_row(335, 申, 寅), branch_row(335, 酉, 酉),
    branch_row(335, 戌, 未), branch_row(335, 亥, 亥),
    // 336 戟锋杀: the stem that kills the main stem of the month branch
    //   reconstructed: the stem that kills the main stem of the month branch
    stem_row(336, 子, 己), stem_row(336, 丑, 乙), stem_row(336, 寅, 庚), stem_row(336, 卯, 辛), stem_row(336, 辰, 甲),
    stem_row(336, 巳, 壬), stem_row(336, 午, 癸), stem_row(336, 未, 乙), stem_row(336, 申, 丙), stem_row(336, 酉, 丁),
    stem_row(336, 戌, 甲), stem_row(336, 亥, 戊),
    // 337 天元坐财: a day stem sitting on its wealth (甲辰 甲戌 乙丑 乙未 丙申 丁酉 戊子 己亥 庚寅 辛卯 壬午 癸巳), in the month of its branch or of that branch's 六合
    //   reconstructed: the days sitting on their wealth, in the month of their branch or its 六合
    pillar_row(337, 子, 乙丑), pillar_row(337, 子, 戊子), pillar_row(337, 丑, 乙丑), pillar_row(337, 丑, 戊子), pillar_row(337, 寅, 己亥),
    pillar_row(337, 寅, 庚寅), pillar_row(337, 卯, 甲戌), pillar_row(337, 卯, 辛卯), pillar_row(337, 辰, 甲辰), pillar_row(337, 辰, 丁酉),
    pillar_row(337, 巳, 丙申), pillar_row(337, 巳, 癸巳), pillar_row(337, 午, 乙未), pillar_row(337, 午, 壬午), pillar_row(337, 未, 乙未),
    pillar_row(337, 未, 壬午), pillar_row(337, 申, 丙申), pillar_row(337, 申, 癸巳), pillar_row(337, 酉, 甲辰), pillar_row(337, 酉, 丁酉),
    pillar_row(337, 戌, 甲戌), pillar_row(337, 戌, 辛卯), pillar_row(337, 亥, 己亥), pillar_row(337, 亥, 庚寅),
    // 338 月官杀: the fourth branch after the four season-opening months
    //   reconstructed: the fourth branch after the four season-opening months
    branch_row(338, 寅, 午), branch_row(338, 巳, 酉), branch_row(338, 申, 子), branch_row(338, 亥, 卯),
    // 339 太阳居垣: the sun's palace, the 六合 of the month (月将)
    //   reconstructed: the sun's palace, the 月将 of 308
    branch_row(339, 子, 丑), branch_row(339, 丑, 子), branch_row(339, 寅, 亥), branch_row(339, 卯, 戌), branch_row(339, 辰, 酉),
    branch_row(339, 巳, 申), branch_row(339, 午, 未), branch_row(339, 未, 午), branch_row(339, 申, 巳), branch_row(339, 酉, 辰),
    branch_row(339, 戌, 卯), branch_row(339, 亥, 寅),
    // 340 天医: the branch before the month
    //   source: the 天医 of 《协纪辨方书》, as 309
    branch_row(340, 子, 亥), branch_row(340, 丑, 子), branch_row(340, 寅, 丑), branch_row(340, 卯, 寅), branch_row(340, 辰, 卯),
    branch_row(340, 巳, 辰), branch_row(340, 午, 巳), branch_row(340, 未, 午), branch_row(340, 申, 未), branch_row(340, 酉, 申),
    branch_row(340, 戌, 酉), branch_row(340, 亥, 戌),
    // 341 地医: the other two branches of the month's triad
    //   reconstructed: the other two branches of the month's triad
    branch_row(341, 子, 辰), branch_row(341, 子, 申), branch_row(341, 丑, 巳), branch_row(341, 丑, 酉), branch_row(341, 寅, 午),
    branch_row(341, 寅, 戌), branch_row(341, 卯, 未), branch_row(341, 卯, 亥), branch_row(341, 辰, 子), branch_row(341, 辰, 申),
    branch_row(341, 巳, 丑), branch_row(341, 巳, 酉), branch_row(341, 午, 寅), branch_row(341, 午, 戌), branch_row(341, 未, 卯),
    branch_row(341, 未, 亥), branch_row(341, 申, 子), branch_row(341, 申, 辰), branch_row(341, 酉, 丑), branch_row(341, 酉, 巳),
    branch_row(341, 戌, 寅), branch_row(341, 戌, 午), branch_row(341, 亥, 卯), branch_row(341, 亥, 未),
    // 342 天合: the five stem combinations (甲己, 乙庚, 丙辛, 丁壬, 戊癸); a stem value, never compared at a branch position
    //   reconstructed: the five stem combinations, keyed by stem; never compared
    stem_row(342, 甲, 己), stem_row(342, 乙, 庚), stem_row(342, 丙, 辛), stem_row(342, 丁, 壬), stem_row(342, 戊, 癸),
    // 343 成神: 正五九巳, 二六十申, 三七十一亥, 四八十二寅
    //   reconstructed: the four 长生 branches taken in turn (正五九巳, 二六十申, 三七十一亥, 四八十二寅)
    branch_row(343, 子, 亥), branch_row(343, 丑, 寅), branch_row(343, 寅, 巳), branch_row(343, 卯, 申), branch_row(343, 辰, 亥),
    branch_row(343, 巳, 寅), branch_row(343, 午, 巳), branch_row(343, 未, 申), branch_row(343, 申, 亥), branch_row(343, 酉, 寅),
    branch_row(343, 戌, 巳), branch_row(343, 亥, 申),
    // 344 天旺: the season's 王日 (春寅, 夏巳, 秋申, 冬亥)
    //   reconstructed: the 王日 (春寅 夏巳 秋申 冬亥) taken for the 天旺
    branch_row(344, 子, 亥), branch_row(344, 丑, 亥), branch_row(344, 寅, 寅), branch_row(344, 卯, 寅), branch_row(344, 辰, 寅),
    branch_row(344, 巳, 巳), branch_row(344, 午, 巳), branch_row(344, 未, 巳), branch_row(344, 申, 申), branch_row(344, 酉, 申),
    branch_row(344, 戌, 申), branch_row(344, 亥, 亥),
    // 345 少阴: the 月厌, going back from 戌 (正戌, 二酉 …)
    //   reconstructed: the 月厌 taken for the 少阴
    branch_row(345, 子, 子), branch_row(345, 丑, 亥), branch_row(345, 寅, 戌), branch_row(345, 卯, 酉), branch_row(345, 辰, 申),
    branch_row(345, 巳, 未), branch_row(345, 午, 午), branch_row(345, 未, 巳), branch_row(345, 申, 辰), branch_row(345, 酉, 卯),
    branch_row(345, 戌, 寅), branch_row(345, 亥, 丑),
    // 346 月天赦: the branch of the 天赦 day (春寅, 夏午, 秋申, 冬子)
    //   reconstructed: the branch of the 天赦 day of 311
    branch_row(346, 子, 子), branch_row(346, 丑, 子), branch_row(346, 寅, 寅), branch_row(346, 卯, 寅), branch_row(346, 辰, 寅),
    branch_row(346, 巳, 午), branch_row(346, 午, 午), branch_row(346, 未, 午), branch_row(346, 申, 申), branch_row(346, 酉, 申),
    branch_row(346, 戌, 申), branch_row(346, 亥, 子),
    // 347 赦文: the 六合 of the 天赦 branch (春亥, 夏未, 秋巳, 冬丑)
    //   reconstructed: the 六合 of the 天赦 branch
    branch_row(347, 子, 丑), branch_row(347, 丑, 丑), branch_row(347, 寅, 亥), branch_row(347, 卯, 亥), branch_row(347, 辰, 亥),
    branch_row(347, 巳, 未), branch_row(347, 午, 未), branch_row(347, 未, 未), branch_row(347, 申, 巳), branch_row(347, 酉, 巳),
    branch_row(347, 戌, 巳), branch_row(347, 亥, 丑),
    // 348 月天恩: the 禄 branch of the 月恩 stem (正丙, 二丁, 三庚, 四己, 五戊, 六辛, 七壬, 八癸, 九庚, 十乙, 十一甲, 十二辛)
    //   reconstructed: the 禄 branch of the 月恩 stem
    branch_row(348, 子, 寅), branch_row(348, 丑, 酉), branch_row(348, 寅, 巳), branch_row(348, 卯, 午), branch_row(348, 辰, 申),
    branch_row(348, 巳, 午), branch_row(348, 午, 巳), branch_row(348, 未, 酉), branch_row(348, 申, 亥), branch_row(348, 酉, 子),
    branch_row(348, 戌, 申), branch_row(348, 亥, 卯),
    // 349 恩赦: the 生气, two branches before the month
    //   reconstructed: the 生气 taken for the 恩赦
    branch_row(349, 子, 戌), branch_row(349, 丑, 亥), branch_row(349, 寅, 子), branch_row(349, 卯, 丑), branch_row(349, 辰, 寅),
    branch_row(349, 巳, 卯), branch_row(349, 午, 辰), branch_row(349, 未, 巳), branch_row(349, 申, 午), branch_row(349, 酉, 未),
    branch_row(349, 戌, 申), branch_row(349, 亥, 酉),
    // 350 月天喜: the eighth branch after the month (正戌, 二亥 …)
    //   source: the 天喜 day god of 《协纪辨方书》 (正月戌 …)
    branch_row(350, 子, 申), branch_row(350, 丑, 酉), branch_row(350, 寅, 戌), branch_row(350, 卯, 亥), branch_row(350, 辰, 子),
    branch_row(350, 巳, 丑), branch_row(350, 午, 寅), branch_row(350, 未, 卯), branch_row(350, 申, 辰), branch_row(350, 酉, 巳),
    branch_row(350, 戌, 午), branch_row(350, 亥, 未),
    // 351 活曜: the 益后 (正子, 二午, 三丑, 四未, 五寅, 六申, 七卯, 八酉, 九辰, 十戌, 十一巳, 十二亥)
    //   reconstructed: the 益后 taken for the 活曜
    branch_row(351, 子, 巳), branch_row(351, 丑, 亥), branch_row(351, 寅, 子), branch_row(351, 卯, 午), branch_row(351, 辰, 丑),
    branch_row(351, 巳, 未), branch_row(351, 午, 寅), branch_row(351, 未, 申), branch_row(351, 申, 卯), branch_row(351, 酉, 酉),
    branch_row(351, 戌, 辰), branch_row(351, 亥, 戌),
    // 352 月喝散: the 敬安 (正未, 二丑, 三申, 四寅, 五酉, 六卯, 七戌, 八辰, 九亥, 十巳, 十一子, 十二午)
    //   reconstructed: the 敬安 taken for the 月喝散
    branch_row(352, 子, 子), branch_row(352, 丑, 午), branch_row(352, 寅, 未), branch_row(352, 卯, 丑), branch_row(352, 辰, 申),
    branch_row(352, 巳, 寅), branch_row(352, 午, 酉), branch_row(352, 未, 卯), branch_row(352, 申, 戌), branch_row(352, 酉, 辰),
    branch_row(352, 戌, 亥), branch_row(352, 亥, 巳),
    // 353 月天解: the 普护 (正申, 二寅, 三酉, 四卯, 五戌, 六辰, 七亥, 八巳, 九子, 十午, 十一丑, 十二未)
    //   reconstructed: the 普护 taken for the 月天解
    branch_row(353, 子, 丑), branch_row(353, 丑, 未), branch_row(353, 寅, 申), branch_row(353, 卯, 寅), branch_row(353, 辰, 酉),
    branch_row(353, 巳, 卯), branch_row(353, 午, 戌), branch_row(353, 未, 辰), branch_row(353, 申, 亥), branch_row(353, 酉, 巳),
    branch_row(353, 戌, 子), branch_row(353, 亥, 午),
    // 354 月解神: 正二申, 三四戌, 五六子, 七八寅, 九十辰, 十一十二午
    //   source: the 解神 of 《协纪辨方书》
    branch_row(354, 子, 午), branch_row(354, 丑, 午), branch_row(354, 寅, 申), branch_row(354, 卯, 申), branch_row(354, 辰, 戌),
    branch_row(354, 巳, 戌), branch_row(354, 午, 子), branch_row(354, 未, 子), branch_row(354, 申, 寅), branch_row(354, 酉, 寅),
    branch_row(354, 戌, 辰), branch_row(354, 亥, 辰),
    // 355 天印: the 金堂 (正辰, 二戌, 三巳, 四亥, 五午, 六子, 七未, 八丑, 九申, 十寅, 十一酉, 十二卯)
    //   reconstructed: the 金堂 taken for the 天印
    branch_row(355, 子, 酉), branch_row(355, 丑, 卯), branch_row(355, 寅, 辰), branch_row(355, 卯, 戌), branch_row(355, 辰, 巳),
    branch_row(355, 巳, 亥), branch_row(355, 午, 午), branch_row(355, 未, 子), branch_row(355, 申, 未), branch_row(355, 酉, 丑),
    branch_row(355, 戌, 申), branch_row(355, 亥, 寅),
    // 356 地贼: going back from 丑 (正丑, 二子, 三亥 …)
    //   reconstructed: going back from 丑
    branch_row(356, 子, 卯), branch_row(356, 丑, 寅), branch_row(356, 寅, 丑), branch_row(356, 卯, 子), branch_row(356, 辰, 亥),
    branch_row(356, 巳, 戌), branch_row(356, 午, 酉), branch_row(356, 未, 申), branch_row(356, 申, 未), branch_row(356, 酉, 午),
    branch_row(356, 戌, 巳), branch_row(356, 亥, 辰),
    // 357 天火: 正子, 二酉, 三午, 四卯, and round again
    //   reconstructed: no table that agrees is known; going back by three from 子
    branch_row(357, 子, 午), branch_row(357, 丑, 卯), branch_row(357, 寅, 子), branch_row(357, 卯, 酉), branch_row(357, 辰, 午),
    branch_row(357, 巳, 卯), branch_row(357, 午, 子), branch_row(357, 未, 酉), branch_row(357, 申, 午), branch_row(357, 酉, 卯),
    branch_row(357, 戌, 子), branch_row(357, 亥, 酉),
    // 358 折伤: the branch that punishes the month (月刑: 正巳, 二子, 三辰, 四申, 五午, 六丑, 七寅, 八酉, 九未, 十亥, 十一卯, 十二戌)
    //   reconstructed: the 月刑, as 335
    branch_row(358, 子, 卯), branch_row(358, 丑, 戌), branch_row(358, 寅, 巳), branch_row(358, 卯, 子), branch_row(358, 辰, 辰),
    branch_row(358, 巳, 申), branch_row(358, 午, 午), branch_row(358, 未, 丑), branch_row(358, 申, 寅), branch_row(358, 酉, 酉),
    branch_row(358, 戌, 未), branch_row(358, 亥, 亥),
    // 359 隔神: the 往亡 (正寅, 二巳, 三申, 四亥, 五卯, 六午, 七酉, 八子, 九辰, 十未, 十一戌, 十二丑)
    //   reconstructed: the 往亡 taken for the 隔神
    branch_row(359, 子, 戌), branch_row(359, 丑, 丑), branch_row(359, 寅, 寅), branch_row(359, 卯, 巳), branch_row(359, 辰, 申),
    branch_row(359, 巳, 亥), branch_row(359, 午, 卯), branch_row(359, 未, 午), branch_row(359, 申, 酉), branch_row(359, 酉, 子),
    branch_row(359, 戌, 辰), branch_row(359, 亥, 未),
    // 360 天牢 of the black way: 正申, 二戌, 三子, 四寅, 五辰, 六午, and round again
    //   source: the 天牢 of the 黄道黑道 twelve
    branch_row(360, 子, 辰), branch_row(360, 丑, 午), branch_row(360, 寅, 申), branch_row(360, 卯, 戌), branch_row(360, 辰, 子),
    branch_row(360, 巳, 寅), branch_row(360, 午, 辰), branch_row(360, 未, 午), branch_row(360, 申, 申), branch_row(360, 酉, 戌),
    branch_row(360, 戌, 子), branch_row(360, 亥, 寅),
    // 361 地狱: the 九空 (正辰, 二丑, 三戌, 四未, and round again)
    //   reconstructed: the 九空 taken for the 地狱
    branch_row(361, 子, 戌), branch_row(361, 丑, 未), branch_row(361, 寅, 辰), branch_row(361, 卯, 丑), branch_row(361, 辰, 戌),
    branch_row(361, 巳, 未), branch_row(361, 午, 辰), branch_row(361, 未, 丑), branch_row(361, 申, 戌), branch_row(361, 酉, 未),
    branch_row(361, 戌, 辰), branch_row(361, 亥, 丑),
    // 362 死炁: the fourth branch after the month (死气: 正午, 二未 …)
    //   source: the 死气 of 《协纪辨方书》
    branch_row(362, 子, 辰), branch_row(362, 丑, 巳), branch_row(362, 寅, 午), branch_row(362, 卯, 未), branch_row(362, 辰, 申),
    branch_row(362, 巳, 酉), branch_row(362, 午, 戌), branch_row(362, 未, 亥), branch_row(362, 申, 子), branch_row(362, 酉, 丑),
    branch_row(362, 戌, 寅), branch_row(362, 亥, 卯),
    // 363 毛头: the 天罡 (正巳, 二子, 三未, 四寅, 五酉, 六辰, 七亥, 八午, 九丑, 十申, 十一卯, 十二戌)
    //   reconstructed: the 天罡 taken for the 毛头
    branch_row(363, 子, 卯), branch_row(363, 丑, 戌), branch_row(363, 寅, 巳), branch_row(363, 卯, 子), branch_row(363, 辰, 未),
    branch_row(363, 巳, 寅), branch_row(363, 午, 酉), branch_row(363, 未, 辰), branch_row(363, 申, 亥), branch_row(363, 酉, 午),
    branch_row(363, 戌, 丑), branch_row(363, 亥, 申),
    // 364 小杀: the 月煞 (寅午戌丑, 亥卯未戌, 申子辰未, 巳酉丑辰)
    //   reconstructed: the 月煞 taken for the 小杀
    branch_row(364, 子, 未), branch_row(364, 丑, 辰), branch_row(364, 寅, 丑), branch_row(364, 卯, 戌), branch_row(364, 辰, 未),
    branch_row(364, 巳, 辰), branch_row(364, 午, 丑), branch_row(364, 未, 戌), branch_row(364, 申, 未), branch_row(364, 酉, 辰),
    branch_row(364, 戌, 丑), branch_row(364, 亥, 戌),
    // 365 阴杀: the 河魁 (正亥, 二午, 三丑, 四申, 五卯, 六戌, 七巳, 八子, 九未, 十寅, 十一酉, 十二辰)
    //   reconstructed: the 河魁 taken for the 阴杀
    branch_row(365, 子, 酉), branch_row(365, 丑, 辰), branch_row(365, 寅, 亥), branch_row(365, 卯, 午), branch_row(365, 辰, 丑),
    branch_row(365, 巳, 申), branch_row(365, 午, 卯), branch_row(365, 未, 戌), branch_row(365, 申, 巳), branch_row(365, 酉, 子),
    branch_row(365, 戌, 未), branch_row(365, 亥, 寅),
    // 366 天无, the 荒芜: 正巳, 二酉, 三丑, 四申, 五子, 六辰, 七亥, 八卯, 九未, 十寅, 十一午, 十二戌
    //   reconstructed: the 荒芜 taken for the 天芜
    branch_row(366, 子, 午), branch_row(366, 丑, 戌), branch_row(366, 寅, 巳), branch_row(366, 卯, 酉), branch_row(366, 辰, 丑),
    branch_row(366, 巳, 申), branch_row(366, 午, 子), branch_row(366, 未, 辰), branch_row(366, 申, 亥), branch_row(366, 酉, 卯),
    branch_row(366, 戌, 未), branch_row(366, 亥, 寅),
    // 367 独火: going back from 巳 (正巳, 二辰, 三卯 …)
    //   source: the 独火 of the 通书
    branch_row(367, 子, 未), branch_row(367, 丑, 午), branch_row(367, 寅, 巳), branch_row(367, 卯, 辰), branch_row(367, 辰, 卯),
    branch_row(367, 巳, 寅), branch_row(367, 午, 丑), branch_row(367, 未, 子), branch_row(367, 申, 亥), branch_row(367, 酉, 戌),
    branch_row(367, 戌, 酉), branch_row(367, 亥, 申),
    // 368 天祸: the 游祸 (正巳, 二寅, 三亥, 四申, and round again)
    //   reconstructed: the 游祸 taken for the 天祸 (the branches of 306 暗月德 as well)
    branch_row(368, 子, 亥), branch_row(368, 丑, 申), branch_row(368, 寅, 巳), branch_row(368, 卯, 寅), branch_row(368, 辰, 亥),
    branch_row(368, 巳, 申), branch_row(368, 午, 巳), branch_row(368, 未, 寅), branch_row(368, 申, 亥), branch_row(368, 酉, 申),
    branch_row(368, 戌, 巳), branch_row(368, 亥, 寅),
    // 369 天河: the 九坎 (正辰, 二丑, 三戌, 四未, 五卯, 六子, 七酉, 八午, 九寅, 十亥, 十一申, 十二巳)
    //   reconstructed: the 九坎 taken for the 天河
    branch_row(369, 子, 申), branch_row(369, 丑, 巳), branch_row(369, 寅, 辰), branch_row(369, 卯, 丑), branch_row(369, 辰, 戌),
    branch_row(369, 巳, 未), branch_row(369, 午, 卯), branch_row(369, 未, 子), branch_row(369, 申, 酉), branch_row(369, 酉, 午),
    branch_row(369, 戌, 寅), branch_row(369, 亥, 亥),
    // 370 白浪: the 天吏 (正酉, 二午, 三卯, 四子, and round again)
    //   reconstructed: the 天吏 taken for the 白浪
    branch_row(370, 子, 卯), branch_row(370, 丑, 子), branch_row(370, 寅, 酉), branch_row(370, 卯, 午), branch_row(370, 辰, 卯),
    branch_row(370, 巳, 子), branch_row(370, 午, 酉), branch_row(370, 未, 午), branch_row(370, 申, 卯), branch_row(370, 酉, 子),
    branch_row(370, 戌, 酉), branch_row(370, 亥, 午),
    // 371 覆舟: the 大时 (正卯, 二子, 三酉, 四午, and round again)
    //   reconstructed: the 大时 taken for the 覆舟
    branch_row(371, 子, 酉), branch_row(371, 丑, 午), branch_row(371, 寅, 卯), branch_row(371, 卯, 子), branch_row(371, 辰, 酉),
    branch_row(371, 巳, 午), branch_row(371, 午, 卯), branch_row(371, 未, 子), branch_row(371, 申, 酉), branch_row(371, 酉, 午),
    branch_row(371, 戌, 卯), branch_row(371, 亥, 子),
    // 372 丧车: 春酉, 夏子, 秋卯, 冬午
    //   source: the 丧车煞 of the 通书 (春酉 夏子 秋卯 冬午)
    branch_row(372, 子, 午), branch_row(372, 丑, 午), branch_row(372, 寅, 酉), branch_row(372, 卯, 酉), branch_row(372, 辰, 酉),
    branch_row(372, 巳, 子), branch_row(372, 午, 子), branch_row(372, 未, 子), branch_row(372, 申, 卯), branch_row(372, 酉, 卯),
    branch_row(372, 戌, 卯), branch_row(372, 亥, 午),
    // 373 土瘟: two branches after the month (正辰, 二巳 …)
    //   source: the 土瘟 of the 通书 (正月辰 …)
    branch_row(373, 子, 寅), branch_row(373, 丑, 卯), branch_row(373, 寅, 辰), branch_row(373, 卯, 巳), branch_row(373, 辰, 午),
    branch_row(373, 巳, 未), branch_row(373, 午, 申), branch_row(373, 未, 酉), branch_row(373, 申, 戌), branch_row(373, 酉, 亥),
    branch_row(373, 戌, 子), branch_row(373, 亥, 丑),
    // 374 白衣: the 白虎 of the black way (正午, 二申, 三戌, 四子, 五寅, 六辰, and round again)
    //   reconstructed: the 白虎 of the 黄道黑道 twelve taken for the 白衣
    branch_row(374, 子, 寅), branch_row(374, 丑, 辰), branch_row(374, 寅, 午), branch_row(374, 卯, 申), branch_row(374, 辰, 戌),
    branch_row(374, 巳, 子), branch_row(374, 午, 寅), branch_row(374, 未, 辰), branch_row(374, 申, 午), branch_row(374, 酉, 申),
    branch_row(374, 戌, 戌), branch_row(374, 亥, 子),
    // 375 退悔: the 归忌 (孟月丑, 仲月寅, 季月子)
    //   reconstructed: the 归忌 taken for the 退悔
    branch_row(375, 子, 寅), branch_row(375, 丑, 子), branch_row(375, 寅, 丑), branch_row(375, 卯, 寅), branch_row(375, 辰, 子),
    branch_row(375, 巳, 丑), branch_row(375, 午, 寅), branch_row(375, 未, 子), branch_row(375, 申, 丑), branch_row(375, 酉, 寅),
    branch_row(375, 戌, 子), branch_row(375, 亥, 丑),
    // 376 死神: three branches after the month (正巳, 二午 …)
    //   reconstructed: three branches after the month
    branch_row(376, 子, 卯), branch_row(376, 丑, 辰), branch_row(376, 寅, 巳), branch_row(376, 卯, 午), branch_row(376, 辰, 未),
    branch_row(376, 巳, 申), branch_row(376, 午, 酉), branch_row(376, 未, 戌), branch_row(376, 申, 亥), branch_row(376, 酉, 子),
    branch_row(376, 戌, 丑), branch_row(376, 亥, 寅),
    // 377 生成日: the 天愿 day (正乙亥, 二甲戌, 三乙酉, 四丙申, 五丁未, 六戊午, 七己巳, 八庚辰, 九辛卯, 十壬寅, 十一癸丑, 十二甲子)
    //   reconstructed: the 天愿 taken for the 生成日
    pillar_row(377, 子, 癸丑), pillar_row(377, 丑, 甲子), pillar_row(377, 寅, 乙亥), pillar_row(377, 卯, 甲戌), pillar_row(377, 辰, 乙酉),
    pillar_row(377, 巳, 丙申), pillar_row(377, 午, 丁未), pillar_row(377, 未, 戊午), pillar_row(377, 申, 己巳), pillar_row(377, 酉, 庚辰),
    pillar_row(377, 戌, 辛卯), pillar_row(377, 亥, 壬寅),
    // 378 白衣杀: the 勾陈 of the black way (正亥, 二丑, 三卯, 四巳, 五未, 六酉, and round again)
    //   reconstructed: the 勾陈 of the 黄道黑道 twelve taken for the 白衣杀
    branch_row(378, 子, 未), branch_row(378, 丑, 酉), branch_row(378, 寅, 亥), branch_row(378, 卯, 丑), branch_row(378, 辰, 卯),
    branch_row(378, 巳, 巳), branch_row(378, 午, 未), branch_row(378, 未, 酉), branch_row(378, 申, 亥), branch_row(378, 酉, 丑),
    branch_row(378, 戌, 卯), branch_row(378, 亥, 巳),
    // 379 五鬼运财: the 五富 (正亥, 二寅, 三巳, 四申, and round again)
    //   reconstructed: the 五富 taken for the 五鬼运财
    branch_row(379, 子, 巳), branch_row(379, 丑, 申), branch_row(379, 寅, 亥), branch_row(379, 卯, 寅), branch_row(379, 辰, 巳),
    branch_row(379, 巳, 申), branch_row(379, 午, 亥), branch_row(379, 未, 寅), branch_row(379, 申, 巳), branch_row(379, 酉, 申),
    branch_row(379, 戌, 亥), branch_row(379, 亥, 寅),
    // 380 空箭: the 五虚, the triad the season's element feeds on (春巳酉丑, 夏申子辰, 秋亥卯未, 冬寅午戌)
    //   reconstructed: the 五虚 taken for the 空箭
    branch_row(380, 子, 寅), branch_row(380, 子, 午), branch_row(380, 子, 戌), branch_row(380, 丑, 寅), branch_row(380, 丑, 午),
    branch_row(380, 丑, 戌), branch_row(380, 寅, 巳), branch_row(380, 寅, 酉), branch_row(380, 寅, 丑), branch_row(380, 卯, 巳),
    branch_row(380, 卯, 酉), branch_row(380, 卯, 丑), branch_row(380, 辰, 巳), branch_row(380, 辰, 酉), branch_row(380, 辰, 丑),
    branch_row(380, 巳, 申), branch_row(380, 巳, 子), branch_row(380, 巳, 辰), branch_row(380, 午, 申), branch_row(380, 午, 子),
    branch_row(380, 午, 辰), branch_row(380, 未, 申), branch_row(380, 未, 子), branch_row(380, 未, 辰), branch_row(380, 申, 亥),
    branch_row(380, 申, 卯), branch_row(380, 申, 未), branch_row(380, 酉, 亥), branch_row(380, 酉, 卯), branch_row(380, 酉, 未),
    branch_row(380, 戌, 亥), branch_row(380, 戌, 卯), branch_row(380, 戌, 未), branch_row(380, 亥, 寅), branch_row(380, 亥, 午),
    branch_row(380, 亥, 戌),
    // 381 受死日: 正戌, 二辰, 三亥, 四巳, 五子, 六午, 七丑, 八未, 九寅, 十申, 十一卯, 十二酉
    //   source: the 受死日 of the 通书
    branch_row(381, 子, 卯), branch_row(381, 丑, 酉), branch_row(381, 寅, 戌), branch_row(381, 卯, 辰), branch_row(381, 辰, 亥),
    branch_row(381, 巳, 巳), branch_row(381, 午, 子), branch_row(381, 未, 午), branch_row(381, 申, 丑), branch_row(381, 酉, 未),
    branch_row(381, 戌, 寅), branch_row(381, 亥, 申),
    // 382 杨忌日: rule of its own, no rows.
    // 383 赤口日: the clash of the four season-opening months
    //   reconstructed: the clash of the four season-opening months
    branch_row(383, 寅, 申), branch_row(383, 巳, 亥), branch_row(383, 申, 寅), branch_row(383, 亥, 巳),
}};

}  // namespace orvane
