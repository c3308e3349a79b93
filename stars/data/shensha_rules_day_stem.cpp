// 日干神煞 — rule rows of the special stars keyed by the day stem (401..456).
// Rows are in StarId order, the rows of one star together; a star with a rule of its own
// and no rows is named in a comment only.
// Under each star's opening comment a line says where its rows come from: "source:" and the
// book or table they follow, or "reconstructed:" and the rule used where no table under the
// star's name is known to us. Stars whose rows the program's definition writes out need neither.
#include "stars/shensha_tables.h"

namespace orvane {

using namespace shensha_notation;

const std::array<ShenShaRuleRow, 475> DayStemStarRules = {{
    // 401 天乙贵人 of the day stem: 昼 rows for births 寅 to 申, 夜 rows otherwise
    branch_row(401, 昼(甲), 未), branch_row(401, 昼(乙), 申), branch_row(401, 昼(丙), 酉), branch_row(401, 昼(丁), 亥),
    branch_row(401, 昼(戊), 丑), branch_row(401, 昼(己), 子), branch_row(401, 昼(庚), 丑), branch_row(401, 昼(辛), 寅),
    branch_row(401, 昼(壬), 卯), branch_row(401, 昼(癸), 巳), branch_row(401, 夜(甲), 丑), branch_row(401, 夜(乙), 子),
    branch_row(401, 夜(丙), 亥), branch_row(401, 夜(丁), 酉), branch_row(401, 夜(戊), 未), branch_row(401, 夜(己), 申),
    branch_row(401, 夜(庚), 未), branch_row(401, 夜(辛), 午), branch_row(401, 夜(壬), 巳), branch_row(401, 夜(癸), 卯),
    // 402 天厨食禄: the 食神 and its 禄, for the first four stems
    //   reconstructed: the 食神 and its 禄, for the first four stems
    stem_branch_row(402, 甲, 丙, 巳), stem_branch_row(402, 乙, 丁, 午), stem_branch_row(402, 丙, 戊, 巳), stem_branch_row(402, 丁, 己, 午),
    // 403 禄神: the day stem's 禄
    //   source: the 十干禄, as 105
    branch_row(403, 甲, 寅), branch_row(403, 乙, 卯), branch_row(403, 丙, 巳), branch_row(403, 丁, 午), branch_row(403, 戊, 巳),
    branch_row(403, 己, 午), branch_row(403, 庚, 申), branch_row(403, 辛, 酉), branch_row(403, 壬, 亥), branch_row(403, 癸, 子),
    // 404 真宫: 真官: the 正官 on its own 禄 as a true pillar (甲辛酉, 乙庚申, 戊乙卯, 己甲寅)
    //   reconstructed: the 正官 on its own 禄
    branch_row(404, 甲, 酉), branch_row(404, 乙, 申), branch_row(404, 戊, 卯), branch_row(404, 己, 寅),
    // 405 真印: the 正印 on its own 禄 as a true pillar (丙乙卯, 丁甲寅, 壬辛酉, 癸庚申)
    //   reconstructed: the 正印 on its own 禄
    branch_row(405, 丙, 卯), branch_row(405, 丁, 寅), branch_row(405, 壬, 酉), branch_row(405, 癸, 申),
    // 406 真贵: the 正财 on its own 禄 as a true pillar (丙辛酉, 丁庚申, 庚乙卯, 辛甲寅)
    //   reconstructed: the 正财 on its own 禄
    branch_row(406, 丙, 酉), branch_row(406, 丁, 申), branch_row(406, 庚, 卯), branch_row(406, 辛, 寅),
    // 407 金舆禄: two branches past the 禄
    //   source: the 金舆 verse, as 126
    branch_row(407, 甲, 辰), branch_row(407, 乙, 巳), branch_row(407, 丙, 未), branch_row(407, 丁, 申), branch_row(407, 戊, 未),
    branch_row(407, 己, 申), branch_row(407, 庚, 戌), branch_row(407, 辛, 亥), branch_row(407, 壬, 丑), branch_row(407, 癸, 寅),
    // 408 天元暗禄: a day sitting on the 六合 of its own 禄, the earth stems left out (丙申, 丁未, 壬寅, 癸丑)
    //   reconstructed: the days on the 六合 of their 禄, the earth stems left out
    branch_row(408, 丙, 申), branch_row(408, 丁, 未), branch_row(408, 壬, 寅), branch_row(408, 癸, 丑),
    // 409 暗禄: the 六合 of the 禄 (甲亥, 乙戌, 丙申, 丁未, 戊申, 己未, 庚巳, 辛辰, 壬寅, 癸丑)
    //   source: the 暗禄, the 六合 of the 禄
    branch_row(409, 甲, 亥), branch_row(409, 乙, 戌), branch_row(409, 丙, 申), branch_row(409, 丁, 未), branch_row(409, 戊, 申),
    branch_row(409, 己, 未), branch_row(409, 庚, 巳), branch_row(409, 辛, 辰), branch_row(409, 壬, 寅), branch_row(409, 癸, 丑),
    // 410 正马: the 禄 of the day stem's 正财
    //   reconstructed: the 禄 of the 正财
    branch_row(410, 甲, 午), branch_row(410, 乙, 巳), branch_row(410, 丙, 酉), branch_row(410, 丁, 申), branch_row(410, 戊, 子),
    branch_row(410, 己, 亥), branch_row(410, 庚, 卯), branch_row(410, 辛, 寅), branch_row(410, 壬, 午), branch_row(410, 癸, 巳),
    // 411 福德秀气: rule of its own, no rows.
    // 412 日德: 甲寅, 丙辰, 戊辰, 庚辰, 壬戌
    //   source: 《三命通会·论日德》
    branch_row(412, 甲, 寅), branch_row(412, 丙, 辰), branch_row(412, 戊, 辰), branch_row(412, 庚, 辰), branch_row(412, 壬, 戌),
    // 413 魁罡: 庚辰, 庚戌, 壬辰, 戊戌
    //   source: 《三命通会·论魁罡》
    branch_row(413, 戊, 戌), branch_row(413, 庚, 辰), branch_row(413, 庚, 戌), branch_row(413, 壬, 辰),
    // 414 进神: rule of its own, no rows.
    // 415 十灵日: 甲辰, 乙亥, 丙辰, 丁酉, 戊午, 庚戌, 庚寅, 辛亥, 壬寅, 癸未
    //   source: the 十灵日 of the almanacs
    branch_row(415, 甲, 辰), branch_row(415, 乙, 亥), branch_row(415, 丙, 辰), branch_row(415, 丁, 酉), branch_row(415, 戊, 午),
    branch_row(415, 庚, 寅), branch_row(415, 庚, 戌), branch_row(415, 辛, 亥), branch_row(415, 壬, 寅), branch_row(415, 癸, 未),
    // 416 阴阳煞: 丙子 (阳煞 for a woman), 戊午 (阴煞 for a man)
    //   source: the 阴阳煞 of 《三命通会》 (男逢戊午, 女逢丙子)
    branch_row(416, 丙, 子), branch_row(416, 戊, 午),
    // 417 红艳煞: 多情多欲少人知, 六丙逢寅辛见鸡, 癸临申上丁见未, 甲乙午申庚见戌, 戊己怕辰壬怕子
    //   source: the 红艳 verse, as 122
    branch_row(417, 甲, 午), branch_row(417, 乙, 申), branch_row(417, 丙, 寅), branch_row(417, 丁, 未), branch_row(417, 戊, 辰),
    branch_row(417, 己, 辰), branch_row(417, 庚, 戌), branch_row(417, 辛, 酉), branch_row(417, 壬, 子), branch_row(417, 癸, 申),
    // 418 阴阳差错: 丙子, 丁丑, 戊寅, 辛卯, 壬辰, 癸巳, 丙午, 丁未, 戊申, 辛酉, 壬戌, 癸亥
    //   source: 《三命通会·论阴错阳差》
    branch_row(418, 丙, 子), branch_row(418, 丙, 午), branch_row(418, 丁, 丑), branch_row(418, 丁, 未), branch_row(418, 戊, 寅),
    branch_row(418, 戊, 申), branch_row(418, 辛, 卯), branch_row(418, 辛, 酉), branch_row(418, 壬, 辰), branch_row(418, 壬, 戌),
    branch_row(418, 癸, 巳), branch_row(418, 癸, 亥),
    // 419 十恶大败: the ten days whose 禄 is void (甲辰乙巳与壬申, 丙申丁亥及庚辰, 戊戌癸亥加辛巳, 己丑都来十位神)
    //   source: 《三命通会·论十恶大败》
    branch_row(419, 甲, 辰), branch_row(419, 乙, 巳), branch_row(419, 丙, 申), branch_row(419, 丁, 亥), branch_row(419, 戊, 戌),
    branch_row(419, 己, 丑), branch_row(419, 庚, 辰), branch_row(419, 辛, 巳), branch_row(419, 壬, 申), branch_row(419, 癸, 亥),
    // 420 真长生: a day sitting on its own 长生, yin stems born with their yang partner (乙亥, 丙寅, 戊寅, 辛巳, 壬申)
    //   reconstructed: the days sitting on their own 长生
    branch_row(420, 乙, 亥), branch_row(420, 丙, 寅), branch_row(420, 戊, 寅), branch_row(420, 辛, 巳), branch_row(420, 壬, 申),
    // 421 墓杀: the tomb of the day stem's element, carrying its own element or the element that kills it
    //   reconstructed: the tomb of the stem's element with its own or its killer's stem
    pillar_row(421, 甲, 乙未), pillar_row(421, 甲, 辛未), pillar_row(421, 乙, 乙未), pillar_row(421, 乙, 辛未), pillar_row(421, 丙, 丙戌),
    pillar_row(421, 丙, 壬戌), pillar_row(421, 丁, 丙戌), pillar_row(421, 丁, 壬戌), pillar_row(421, 戊, 戊戌), pillar_row(421, 戊, 甲戌),
    pillar_row(421, 己, 戊戌), pillar_row(421, 己, 甲戌), pillar_row(421, 庚, 辛丑), pillar_row(421, 庚, 丁丑), pillar_row(421, 辛, 辛丑),
    pillar_row(421, 辛, 丁丑), pillar_row(421, 壬, 壬辰), pillar_row(421, 壬, 戊辰), pillar_row(421, 癸, 壬辰), pillar_row(421, 癸, 戊辰),
    // 422 羊刃: the branch after the 禄 (甲卯, 乙辰, 丙戊午, 丁己未, 庚酉, 辛戌, 壬子, 癸丑)
    //   source: 《三命通会·论阳刃》; the yin stems take the branch after their 禄
    branch_row(422, 甲, 卯), branch_row(422, 乙, 辰), branch_row(422, 丙, 午), branch_row(422, 丁, 未), branch_row(422, 戊, 午),
    branch_row(422, 己, 未), branch_row(422, 庚, 酉), branch_row(422, 辛, 戌), branch_row(422, 壬, 子), branch_row(422, 癸, 丑),
    // 423 真羊刃: the 羊刃 branch with its 五虎遁 stem
    //   reconstructed: the 羊刃 branch of 422 with its 五虎遁 stem
    pillar_row(423, 甲, 丁卯), pillar_row(423, 乙, 庚辰), pillar_row(423, 丙, 甲午), pillar_row(423, 丁, 丁未), pillar_row(423, 戊, 戊午),
    pillar_row(423, 己, 辛未), pillar_row(423, 庚, 乙酉), pillar_row(423, 辛, 戊戌), pillar_row(423, 壬, 壬子), pillar_row(423, 癸, 乙丑),
    // 424 金神: 乙丑, 己巳, 癸酉 hours for a 甲 or 己 day
    //   source: 《三命通会·论金神》 (乙丑 己巳 癸酉)
    pillar_row(424, 甲, 乙丑), pillar_row(424, 甲, 己巳), pillar_row(424, 甲, 癸酉), pillar_row(424, 己, 乙丑), pillar_row(424, 己, 己巳),
    pillar_row(424, 己, 癸酉),
    // 425 截路空亡: 甲己申酉, 乙庚午未, 丙辛辰巳, 丁壬寅卯, 戊癸子丑, each stem on the branch of its own polarity
    //   source: the 截路空亡 verse 甲己申酉最为愁, each stem on the branch of its own polarity
    branch_row(425, 甲, 申), branch_row(425, 乙, 未), branch_row(425, 丙, 辰), branch_row(425, 丁, 卯), branch_row(425, 戊, 子),
    branch_row(425, 己, 酉), branch_row(425, 庚, 午), branch_row(425, 辛, 巳), branch_row(425, 壬, 寅), branch_row(425, 癸, 丑),
    // 426 十大空亡: the branch of the 十恶大败 day of the stem, met at the hour
    //   reconstructed: the branch of the stem's 十恶大败 day of 419, met at the hour
    branch_row(426, 甲, 辰), branch_row(426, 乙, 巳), branch_row(426, 丙, 申), branch_row(426, 丁, 亥), branch_row(426, 戊, 戌),
    branch_row(426, 己, 丑), branch_row(426, 庚, 辰), branch_row(426, 辛, 巳), branch_row(426, 壬, 申), branch_row(426, 癸, 亥),
    // 427 天上空亡: the 十恶大败 days without the earth stems, whose 禄 is borrowed from fire (甲辰, 乙巳, 丙申, 丁亥, 庚辰, 辛巳, 壬申, 癸亥)
    //   reconstructed: the 十恶大败 days without the earth stems
    branch_row(427, 甲, 辰), branch_row(427, 乙, 巳), branch_row(427, 丙, 申), branch_row(427, 丁, 亥), branch_row(427, 庚, 辰),
    branch_row(427, 辛, 巳), branch_row(427, 壬, 申), branch_row(427, 癸, 亥),
    // 428 十干空亡: the branch that clashes the 禄
    //   reconstructed: the branch that clashes the 禄
    branch_row(428, 甲, 申), branch_row(428, 乙, 酉), branch_row(428, 丙, 亥), branch_row(428, 丁, 子), branch_row(428, 戊, 亥),
    branch_row(428, 己, 子), branch_row(428, 庚, 寅), branch_row(428, 辛, 卯), branch_row(428, 壬, 巳), branch_row(428, 癸, 午),
    // 429 五鬼空亡: the two void branches of the decade that holds the 子 hour of the day (五鼠遁)
    //   reconstructed: the void pair of the decade that holds the 子 hour of the day
    branch_row(429, 甲, 戌), branch_row(429, 甲, 亥), branch_row(429, 乙, 申), branch_row(429, 乙, 酉), branch_row(429, 丙, 午),
    branch_row(429, 丙, 未), branch_row(429, 丁, 辰), branch_row(429, 丁, 巳), branch_row(429, 戊, 寅), branch_row(429, 戊, 卯),
    branch_row(429, 己, 戌), branch_row(429, 己, 亥), branch_row(429, 庚, 申), branch_row(429, 庚, 酉), branch_row(429, 辛, 午),
    branch_row(429, 辛, 未), branch_row(429, 壬, 辰), branch_row(429, 壬, 巳), branch_row(429, 癸, 寅), branch_row(429, 癸, 卯),
    // 430 被祖空亡: the branch that clashes the 禄 of the 正印
    //   reconstructed: the branch that clashes the 禄 of the 正印
    branch_row(430, 甲, 午), branch_row(430, 乙, 巳), branch_row(430, 丙, 酉), branch_row(430, 丁, 申), branch_row(430, 戊, 子),
    branch_row(430, 己, 亥), branch_row(430, 庚, 子), branch_row(430, 辛, 亥), branch_row(430, 壬, 卯), branch_row(430, 癸, 寅),
    // 431 八专: 甲寅, 乙卯, 丁未, 戊戌, 己未, 庚申, 辛酉, 癸丑
    //   source: the 八专 days of 《三命通会》
    branch_row(431, 甲, 寅), branch_row(431, 乙, 卯), branch_row(431, 丁, 未), branch_row(431, 戊, 戌), branch_row(431, 己, 未),
    branch_row(431, 庚, 申), branch_row(431, 辛, 酉), branch_row(431, 癸, 丑),
    // 432 九醜: the ten days 乙卯 乙酉 戊子 戊午 己卯 己酉 辛卯 辛酉 壬子 壬午
    //   source: the 九丑 days of 《三命通会》
    branch_row(432, 乙, 卯), branch_row(432, 乙, 酉), branch_row(432, 戊, 子), branch_row(432, 戊, 午), branch_row(432, 己, 卯),
    branch_row(432, 己, 酉), branch_row(432, 辛, 卯), branch_row(432, 辛, 酉), branch_row(432, 壬, 子), branch_row(432, 壬, 午),
    // 433 孤鸾寡鹄: 木火逢蛇大不祥 (乙巳 丁巳), 金猪何必强 (辛亥), 土猴木虎夫何在 (戊申 甲寅), 时逢鼠水守空房 (壬子), with 丙午 and 戊午
    //   source: the eight 孤鸾寡鹄 days of 《三命通会》; the ninth row is 壬寅, the day the printed variants add (not 丁亥)
    branch_row(433, 甲, 寅), branch_row(433, 乙, 巳), branch_row(433, 丙, 午), branch_row(433, 丁, 巳), branch_row(433, 戊, 午),
    branch_row(433, 戊, 申), branch_row(433, 辛, 亥), branch_row(433, 壬, 子), branch_row(433, 壬, 寅),
    // 434 正桃花: the day stem's 沐浴 and its 红艳
    //   reconstructed: the day stem's 沐浴 and its 红艳
    branch_row(434, 甲, 子), branch_row(434, 甲, 午), branch_row(434, 乙, 巳), branch_row(434, 乙, 申), branch_row(434, 丙, 卯),
    branch_row(434, 丙, 寅), branch_row(434, 丁, 申), branch_row(434, 丁, 未), branch_row(434, 戊, 卯), branch_row(434, 戊, 辰),
    branch_row(434, 己, 申), branch_row(434, 己, 辰), branch_row(434, 庚, 午), branch_row(434, 庚, 戌), branch_row(434, 辛, 亥),
    branch_row(434, 辛, 酉), branch_row(434, 壬, 酉), branch_row(434, 壬, 子), branch_row(434, 癸, 寅), branch_row(434, 癸, 申),
    // 435 胎元财官: the 胎 of the day stem, where its 正官 or 正财 is held
    //   reconstructed: the 胎 of the day stem
    branch_row(435, 甲, 酉), branch_row(435, 乙, 申), branch_row(435, 丙, 子), branch_row(435, 丁, 亥), branch_row(435, 戊, 子),
    branch_row(435, 己, 亥), branch_row(435, 庚, 卯), branch_row(435, 辛, 寅), branch_row(435, 壬, 午), branch_row(435, 癸, 巳),
    // 436 建禄: the 禄 of the day stem in the month
    //   source: the 十干禄, as 403
    branch_row(436, 甲, 寅), branch_row(436, 乙, 卯), branch_row(436, 丙, 巳), branch_row(436, 丁, 午), branch_row(436, 戊, 巳),
    branch_row(436, 己, 午), branch_row(436, 庚, 申), branch_row(436, 辛, 酉), branch_row(436, 壬, 亥), branch_row(436, 癸, 子),
    // 437 沐浴咸池: a day bathing on a 咸池 branch (甲子, 庚午, 癸酉)
    //   reconstructed: the days bathing on a 咸池 branch
    branch_row(437, 甲, 子), branch_row(437, 庚, 午), branch_row(437, 癸, 酉),
    // 438 水溺杀: the 触水龙 days 丙子, 癸未, 癸丑
    //   reconstructed: the 触水龙 days
    branch_row(438, 丙, 子), branch_row(438, 癸, 未), branch_row(438, 癸, 丑),
    // 439 阙字曲脚: the crooked stems 乙, 己 and 辛 on the crooked branch 巳
    //   reconstructed: the crooked stems on the crooked branch
    branch_row(439, 乙, 巳), branch_row(439, 己, 巳), branch_row(439, 辛, 巳),
    // 440 禄马同乡: 官 and 财 in one branch (壬午, 癸巳)
    //   source: the 禄马同乡 days of 《三命通会》 (壬午 癸巳)
    branch_row(440, 壬, 午), branch_row(440, 癸, 巳),
    // 441 胞胎印绶: the 绝 (胞) of a yang stem where its 印 is held (甲申, 丙亥, 庚寅, 壬巳)
    //   reconstructed: the 绝 of a yang stem where its 印 is held
    branch_row(441, 甲, 申), branch_row(441, 丙, 亥), branch_row(441, 庚, 寅), branch_row(441, 壬, 巳),
    // 442 风云庆会: rule of its own, no rows.
    // 443 禄元互换: a day sitting on the 禄 of the stem it combines with, whose own 禄 the partner can sit on (丁亥 and 壬午, 戊子 and 癸巳)
    //   reconstructed: the days on the 禄 of the stem they combine with
    branch_row(443, 丁, 亥), branch_row(443, 戊, 子), branch_row(443, 壬, 午), branch_row(443, 癸, 巳),
    // 444 天元坐禄: each branch that holds the day stem among its hidden stems, leaving out the 戊 lodged in 寅, 巳 and 申
    //   reconstructed: each branch that holds the day stem among its hidden stems
    branch_row(444, 甲, 寅), branch_row(444, 甲, 亥), branch_row(444, 乙, 卯), branch_row(444, 乙, 辰), branch_row(444, 乙, 未),
    branch_row(444, 丙, 寅), branch_row(444, 丙, 巳), branch_row(444, 丁, 午), branch_row(444, 丁, 未), branch_row(444, 丁, 戌),
    branch_row(444, 戊, 辰), branch_row(444, 戊, 戌), branch_row(444, 己, 丑), branch_row(444, 己, 午), branch_row(444, 己, 未),
    branch_row(444, 庚, 巳), branch_row(444, 庚, 申), branch_row(444, 辛, 丑), branch_row(444, 辛, 酉), branch_row(444, 辛, 戌),
    branch_row(444, 壬, 申), branch_row(444, 壬, 亥), branch_row(444, 癸, 子), branch_row(444, 癸, 丑), branch_row(444, 癸, 辰),
    // 445 归禄: the 禄 of the day stem
    //   source: the 十干禄 met at the hour (归禄), as 403
    branch_row(445, 甲, 寅), branch_row(445, 乙, 卯), branch_row(445, 丙, 巳), branch_row(445, 丁, 午), branch_row(445, 戊, 巳),
    branch_row(445, 己, 午), branch_row(445, 庚, 申), branch_row(445, 辛, 酉), branch_row(445, 壬, 亥), branch_row(445, 癸, 子),
    // 446 官贵学堂: the 长生 of the 正官
    //   reconstructed: the 长生 of the 正官
    branch_row(446, 甲, 子), branch_row(446, 乙, 巳), branch_row(446, 丙, 卯), branch_row(446, 丁, 申), branch_row(446, 戊, 午),
    branch_row(446, 己, 亥), branch_row(446, 庚, 酉), branch_row(446, 辛, 寅), branch_row(446, 壬, 酉), branch_row(446, 癸, 寅),
    // 447 官贵学馆: the 临官 of the 正官
    //   reconstructed: the 临官 of the 正官, the rows of 112 天福 read from the day stem
    branch_row(447, 甲, 酉), branch_row(447, 乙, 申), branch_row(447, 丙, 子), branch_row(447, 丁, 亥), branch_row(447, 戊, 卯),
    branch_row(447, 己, 寅), branch_row(447, 庚, 午), branch_row(447, 辛, 巳), branch_row(447, 壬, 午), branch_row(447, 癸, 巳),
    // 448 十干学馆: the 长生 of the day stem
    //   source: 《三命通会·论学堂词馆》: the 十干学堂, the stem's 长生
    branch_row(448, 甲, 亥), branch_row(448, 乙, 午), branch_row(448, 丙, 寅), branch_row(448, 丁, 酉), branch_row(448, 戊, 寅),
    branch_row(448, 己, 酉), branch_row(448, 庚, 巳), branch_row(448, 辛, 子), branch_row(448, 壬, 申), branch_row(448, 癸, 卯),
    // 449 正学馆: the 长生 branch carrying the stem's element as sound element (甲己亥, 乙壬午, 丙丙寅, 丁丁酉, 戊戊寅, 己己酉, 庚辛巳, 辛甲子, 壬甲申, 癸乙卯)
    //   reconstructed: the 长生 branch carrying the stem's element as sound element
    pillar_row(449, 甲, 己亥), pillar_row(449, 乙, 壬午), pillar_row(449, 丙, 丙寅), pillar_row(449, 丁, 丁酉), pillar_row(449, 戊, 戊寅),
    pillar_row(449, 己, 己酉), pillar_row(449, 庚, 辛巳), pillar_row(449, 辛, 甲子), pillar_row(449, 壬, 甲申), pillar_row(449, 癸, 乙卯),
    // 450 外财: the wealth stem standing on the day stem's 禄
    //   reconstructed: the wealth stem on the day stem's 禄
    pillar_row(450, 甲, 戊寅), pillar_row(450, 乙, 己卯), pillar_row(450, 丙, 辛巳), pillar_row(450, 丁, 庚午), pillar_row(450, 戊, 癸巳),
    pillar_row(450, 己, 壬午), pillar_row(450, 庚, 甲申), pillar_row(450, 辛, 乙酉), pillar_row(450, 壬, 丁亥), pillar_row(450, 癸, 丙子),
    // 451 日解
    branch_row(451, 甲, 巳), branch_row(451, 乙, 申), branch_row(451, 丙, 寅), branch_row(451, 丁, 丑), branch_row(451, 戊, 酉),
    branch_row(451, 己, 巳), branch_row(451, 庚, 申), branch_row(451, 辛, 寅), branch_row(451, 壬, 丑), branch_row(451, 癸, 酉),
    // 452 喝散: the branch after the 日解
    //   reconstructed: the branch after the 日解
    branch_row(452, 甲, 午), branch_row(452, 乙, 酉), branch_row(452, 丙, 卯), branch_row(452, 丁, 寅), branch_row(452, 戊, 戌),
    branch_row(452, 己, 午), branch_row(452, 庚, 酉), branch_row(452, 辛, 卯), branch_row(452, 壬, 寅), branch_row(452, 癸, 戌),
    // 453 日天赦: the branch that clashes the 日解
    //   reconstructed: the branch that clashes the 日解
    branch_row(453, 甲, 亥), branch_row(453, 乙, 寅), branch_row(453, 丙, 申), branch_row(453, 丁, 未), branch_row(453, 戊, 卯),
    branch_row(453, 己, 亥), branch_row(453, 庚, 寅), branch_row(453, 辛, 申), branch_row(453, 壬, 未), branch_row(453, 癸, 卯),
    // 454 内解: the 六合 of the 日解
    //   reconstructed: the 六合 of the 日解
    branch_row(454, 甲, 申), branch_row(454, 乙, 巳), branch_row(454, 丙, 亥), branch_row(454, 丁, 子), branch_row(454, 戊, 辰),
    branch_row(454, 己, 申), branch_row(454, 庚, 巳), branch_row(454, 辛, 亥), branch_row(454, 壬, 子), branch_row(454, 癸, 辰),
    // 455 六秀: the first two of the 六秀 days 丙午, 丁未, 戊子, 戊午, 己丑, 己未
    //   source: 《三命通会·论六秀》 (丙午 丁未 戊子 戊午 己丑 己未), reduced to two rows
    branch_row(455, 丙, 午), branch_row(455, 丁, 未),
    // 456 国印贵人: 甲戌, 乙亥, 丙丑, 丁寅, 戊丑, 己寅, 庚辰, 辛巳, 壬未, 癸申
    //   source: the 国印贵人 table
    branch_row(456, 甲, 戌), branch_row(456, 乙, 亥), branch_row(456, 丙, 丑), branch_row(456, 丁, 寅), branch_row(456, 戊, 丑),
    branch_row(456, 己, 寅), branch_row(456, 庚, 辰), branch_row(456, 辛, 巳), branch_row(456, 壬, 未), branch_row(456, 癸, 申),
}};

}  // namespace orvane
