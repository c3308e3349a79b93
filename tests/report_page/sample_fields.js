// 样例字段: plausible report fields for looking at the styles before (or without) the
// producers, in UTF-8. Only for previews (run.js --sample); the real test runs orvane-cli.
'use strict';

const STEMS = '甲乙丙丁戊己庚辛壬癸';
const BRANCHES = '子丑寅卯辰巳午未申酉戌亥';
const ELEMENTS = '木火土金水';
const GODS = ['比肩', '比劫', '食神', '伤官', '偏财', '正财', '七杀', '正官', '偏印', '正印'];
const STAGES = ['长生', '沐浴', '冠带', '临官', '帝旺', ' 衰 ', ' 病 ', ' 死 ', ' 墓 ', ' 绝 ', ' 胎 ', ' 养 '];
const NAYIN = '海中金 炉中火 大林木 路旁土 剑锋金 山头火 涧下水 城头土 白蜡金 杨柳木 泉中水 屋上土 霹雳火 松柏木 长流水 砂中金 山下火 平地木 壁上土 金箔金 覆灯火 天河水 大驿土 钗钏金 桑柘木 大溪水 沙中土 天上火 石榴木 大海水'.split(' ');
const HIDDEN = ['癸', '己癸辛', '甲丙戊', '乙', '戊乙癸', '丙庚戊', '丁己', '己丁乙', '庚壬戊', '辛', '戊辛丁', '壬甲'];
const STAR_NAMES = ['天乙贵人', '太极贵人', '文昌', '桃花', '驿马', '华盖', '将星', '羊刃', '禄神', '红鸾', '天喜', '孤辰', '寡宿', '劫煞', '亡神', '天德', '月德'];

const mod = (a, n) => ((a % n) + n) % n;
const stemOf = c => mod(c - 1, 10);       // 0..9
const branchOf = c => mod(c - 1, 12);     // 0..11
const cycleName = c => STEMS[stemOf(c)] + BRANCHES[branchOf(c)];
const elementOfStem = s => ELEMENTS[Math.floor(s / 2)];

function tenGod(dayStem, s) {
  const de = Math.floor(dayStem / 2);
  const se = Math.floor(s / 2);
  const same = dayStem % 2 === s % 2;
  const rel = mod(se - de, 5); // 0 same, 1 I produce, 2 I control, 3 controls me, 4 produces me
  return GODS[rel * 2 + (same ? 0 : 1)];
}

function lifeStage(s, b) {
  const start = [11, 6, 2, 9, 2, 9, 5, 0, 8, 3][s];
  return STAGES[s % 2 === 0 ? mod(b - start, 12) : mod(start - b, 12)];
}

function voidOf(c) {
  const first = mod(branchOf(c) - stemOf(c) + 10, 12);
  return `${BRANCHES[first]}、${BRANCHES[(first + 1) % 12]}`;
}

function vote(id, pct) {
  return `${pct ? pct + '%' : '未有投票数据'}<div id='d${id}'><button type='button' onClick="v('${id}')">投票</button></div>`;
}

function sampleFields(now = new Date()) {
  const F = new Map();
  const set = (n, v) => F.set(n, String(v));
  const year = 60 - 1, month = 2, day = 3, hour = 27; // 癸亥 乙丑 丙寅 庚寅
  const palace = 51, fetal = 17;                        // 甲寅 丙辰
  const dayStem = stemOf(day);

  set(1, 'K7A3F2B19840204050610020030327');
  set(101, '林远舟'); set(111, '男');
  set(121, '福建'); set(122, '泉州'); set(123, '118.6'); set(124, '24.9'); set(125, '卯');
  [1984, 2, 4, 5, 6].forEach((v, i) => set(131 + i, v));
  set(136, '六');
  set(137, '慢'); set(138, 5); set(139, 36); set(140, '慢'); set(141, 14); set(142, 9);
  set(143, 4); set(144, 46); set(188, '水瓶座');
  set(201, '一九八四'); set(202, '正'); set(203, '初三'); set(204, '寅');
  const terms = [['大寒', 1983, 12, 19, 3, 5], ['立春', 1984, 1, 4, 23, 19], ['雨水', 1984, 1, 19, 19, 16], ['惊蛰', 1985, 2, 4, 17, 25]];
  terms.forEach((t, i) => t.forEach((v, j) => set(151 + 10 * i + j, v)));
  set(187, '大寒');
  terms[0].slice(1).forEach((v, j) => set(189 + j, v));
  terms[2].slice(1).forEach((v, j) => set(194 + j, v));

  [year, month, day, hour, palace, fetal].forEach((c, i) => {
    const B = 301 + 15 * i;
    set(B, cycleName(c));
    set(B + 1, elementOfStem(stemOf(c)));
    set(B + 2, i === 2 ? '' : tenGod(dayStem, stemOf(c)));
    const hs = HIDDEN[branchOf(c)];
    for (let h = 0; h < 3; h++) {
      const ch = hs.charAt(h);
      const s = STEMS.indexOf(ch);
      set(B + 3 + 3 * h, ch || '　');
      set(B + 4 + 3 * h, ch ? elementOfStem(s) : '　');
      set(B + 5 + 3 * h, ch ? tenGod(dayStem, s) : '　　');
    }
    set(B + 12, lifeStage(dayStem, branchOf(c)));
    set(B + 13, voidOf(c));
    set(B + 14, NAYIN[Math.floor((mod(c - 1, 60) + 2) / 2) - 1]);
  });

  set(401, 7); set(402, 4); set(403, 10); set(404, '庚'); set(405, '乙'); set(406, '小寒'); set(407, 12);
  set(408, 6); set(409, 14);
  for (let j = 0; j < 8; j++) {
    const P = 411 + 30 * j;
    const h = month - j - 1;
    set(P - 1, 1991 + 10 * j); set(P, ' 6'); set(P + 1, '14'); set(P + 2, 2001 + 10 * j); set(P + 3, ' 6'); set(P + 4, '14');
    set(P + 5, String(8 + 10 * j).padStart(2)); set(P + 6, String(18 + 10 * j).padStart(2));
    set(P + 7, cycleName(h)); set(P + 8, elementOfStem(stemOf(h))); set(P + 9, tenGod(dayStem, stemOf(h)));
    const hs = HIDDEN[branchOf(h)];
    for (let k = 0; k < 3; k++) {
      const ch = hs.charAt(k);
      set(P + 10 + 3 * k, ch || '　');
      set(P + 11 + 3 * k, ch ? elementOfStem(STEMS.indexOf(ch)) : '　');
      set(P + 12 + 3 * k, ch ? tenGod(dayStem, STEMS.indexOf(ch)) : '　　');
    }
    set(P + 19, lifeStage(dayStem, branchOf(h)));
    set(P + 20, NAYIN[Math.floor((mod(h - 1, 60) + 2) / 2) - 1]);
    set(P + 21, j % 3 === 0 ? '驿马 桃花 ' : j % 3 === 1 ? '华盖 ' : '');
  }

  ['3.912', '4.688', '强', '土、金、水', '2.520', '2.166', '1.746', '0.320', '1.392'].forEach((v, i) => set(701 + i, v));
  set(711, '-6.4'); set(712, '丙、巳');

  for (let p = 0; p < 12; p++) {
    for (let s = 0; s < 5; s++) {
      if ((p * 7 + s * 3) % 5 === 0) set(801 + 5 * p + s, `${STAR_NAMES[(p + s) % STAR_NAMES.length]}  ${(p + s) % 3 ? '' : STAR_NAMES[(p * s + 4) % STAR_NAMES.length] + '  '}`);
    }
  }
  set(861, '★101天乙贵人：主逢凶化吉，遇难有人相助，一生少病少灾。<br>★115文昌：主聪明过人，利于读书考试，文笔出众。<br><br>★203桃花：主人缘佳，风流多情，宜自持。<br>★211驿马：主奔波走动，利于外出求财。<br>★216华盖：主孤高清雅，喜艺术、宗教、玄学。<br><br>★301天德：主心地仁慈，一生少遇凶险。<br>★302月德：主福厚，化解灾殃。<br>');

  for (let i = 1; i <= 80; i++) {
    const R = 901 + 10 * (i - 1);
    const c = year + i - 1;
    set(R, 1983 + i); set(R + 1, cycleName(c)); set(R + 2, String(i).padStart(2)); set(R + 3, tenGod(dayStem, stemOf(c)));
    set(R + 4, cycleName(hour - i));
    set(R + 5, i < 8 ? '未上大运' : cycleName(month - 1 - Math.floor((i - 8) / 10)) + ((i - 8) % 10 === 0 && i > 8 ? '、' + cycleName(month - 2 - Math.floor((i - 8) / 10)) : ''));
    set(R + 6, i % 12 === 1 ? '真太岁  ' : i % 7 === 3 ? '与月柱乙丑天合地合' : i % 9 === 5 ? '元辰之岁  运冲岁  ' : '');
    set(R + 7, i % 4 === 0 ? '驿马 ' : i % 5 === 0 ? '桃花 华盖 ' : '');
  }
  for (let k = 0; k < 80; k++) {
    const R = 2001 + 20 * k;
    set(R, 1984 + k); set(R + 1, cycleName(year + k));
    const f = mod((year === 0 ? 60 : year) * 12 - 9, 60);
    for (let j = 0; j < 12; j++) set(R + 2 + j, cycleName(f + 12 * k + j));
  }

  set(4001, '丙寅'); set(4002, '庚寅');
  set(4003, '丙日寅时遇长生，木火通明气象新；若逢申冲财禄动，晚年方得享安宁。');
  set(4004, '丙'); set(4005, '庚寅');
  set(4006, '六丙日生庚寅时，偏财坐长生之地，主为人慷慨，早年辛劳，中年以后财源渐广。若柱中水多，须防肝胆之疾。');
  set(4007, '丙寅'); set(4008, '庚寅');
  set(4009, '丙寅日庚寅时，日时同支，根基稳固，主兄弟和睦，子息聪颖。秋冬生人富贵可期，春夏生人宜守成。');
  set(4010, '①日主坐长生，身体康健。②时上偏财，善于理财，晚景丰足。③女命，夫星有力，宜晚婚。');

  ['不会甜言蜜语，不善于打扮。', '性格耿直，凡事较冲动，说话干脆。', '办事细心、保守、胆小，怕苦畏难。'].forEach((s, i) => set(4101 + i, s));
  set(4111, '丙'); set(4112, '火');
  set(4113, '热情、开朗，如日当空，乐于助人而不求回报，做事光明磊落，最恨阴谋诡计。好面子，易冲动，事过即忘。喜：壬（辅映）、甲（生助）。忌：癸（遮光）、辛（合去）。');
  set(4121, vote(210001, 72)); set(4122, vote(210002, 0));

  set(4401, '四'); set(4402, '二'); set(4403, 6); set(4404, 6); set(4405, 8); set(4406, 7);
  set(4407, '得宽怀处且宽怀，何用双眉皱不开；若使中年命运济，那时名利一齐来。');
  set(4408, vote(240042, 65));

  const places = [[4501, '正官', '①出身书香门第，父母正直，家教严格。②少年得长辈提携。'], [4503, '正官', '①祖上有功名之人。'], [4505, '正印', '①受母亲影响甚深，学业顺利。②得上司赏识。'], [4507, '伤官', '①聪明好胜，口才佳，但易得罪人。'], [4511, '偏印', '①配偶有主见，婚后多聚少离。'], [4513, '偏财', '①子女活泼，晚年财运佳。'], [4515, '偏印', '①晚年喜清静，爱好宗教、艺术。']];
  places.forEach(([n, g, t], i) => { set(n, g); set(n + 1, t); set(4541 + i, vote(251001 + i, i * 9)); });
  set(4521, '正官'); set(4522, '伤官'); set(4523, '与父亲缘分稍薄，与母亲亲近。'); set(4548, vote(258040, 0));
  set(4531, '偏印'); set(4532, '伤官'); set(4533, '夫妻感情相敬如宾，偶而会争执。'); set(4549, vote(259025, 40));

  set(4601, '丙寅'); set(4602, '①日坐长生，一生多贵人相助。②性情开朗，善交际。③男命，妻贤能干。④女命，宜晚婚。'); set(4603, vote(260003, 55));

  const Yc = now.getFullYear(), Mc = now.getMonth() + 1;
  const starts = [106, 204, 306, 405, 506, 606, 707, 808, 908, 1008, 1107, 1207];
  for (let k = 0; k < 12; k++) {
    const R = 4701 + 10 * k;
    const m0 = Mc - 3 + k;
    const y = m0 < 1 ? Yc - 1 : m0 > 12 ? Yc + 1 : Yc;
    const m = mod(m0 - 1, 12) + 1;
    set(R, y); set(R + 1, String(m).padStart(2)); set(R + 2, String(starts[m - 1] % 100).padStart(2));
    set(R + 3, m === 12 ? y + 1 : y); set(R + 4, k <= 3 ? vote(230010 + k, 30 + k) : (k > 6 ? '未有投票数据' : '45%'));
    set(R + 5, String(starts[m % 12] % 100).padStart(2));
    set(R + 6, '千里风云培玉树，十分雨露发荆花。');
    set(R + 7, k % 2 ? '财运平稳，宜守不宜攻，注意口舌是非。' : '平运，有小财源，可对兄弟姐妹提供帮助并有意想不到的结果。');
    set(R + 8, '将发生与本身的事业、思想言行、决策、健康安全以及兄弟姐妹、同学、同事、朋友等有关的事情。');
  }

  for (let k = 0; k <= 52; k++) {
    const R = 5001 + 10 * k;
    const Y = 1984 + 17 + k;
    set(R, 18 + k); set(R + 1, Y); set(R + 2, ' 2'); set(R + 3, ' 4'); set(R + 5, ' 2'); set(R + 6, ' 4');
    set(R + 4, Y <= Yc ? vote(220000 + (k % 100) + 1, (k * 13) % 90) : '未有投票数据');
    set(R + 7, k % 2 ? '口念弥陀不脱尘，在家修道敬鬼神。' : '千里风云培玉树，十分雨露发荆花。');
    set(R + 8, k % 2 ? '收入高，有购置好事，但须防破失，守旧业为好。' : '平运，有小财源，可对兄弟姐妹提供帮助并有意想不到的结果。');
    set(R + 9, k % 2 ? '将发生与贵人相助、精神心理的寄托、母亲、老师等有关的事情。' : '将发生与本身的事业、思想言行、决策、健康安全以及兄弟姐妹、同学、同事、朋友等有关的事情。');
  }

  set(5701, '四柱关：忌坐橙栏，勿坐轿为要。<br>天狗关：月内怕闻犬吠声。<br>');
  const d = now;
  set(4901, d.getFullYear()); set(4902, d.getMonth() + 1); set(4903, d.getDate());
  set(4904, [d.getHours(), d.getMinutes(), d.getSeconds()].map(x => String(x).padStart(2, '0')).join(':'));
  return F;
}

module.exports = { sampleFields };
