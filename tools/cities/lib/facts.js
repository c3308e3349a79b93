'use strict';
// Facts the gazetteer package does not give in the form the table needs.

// Places per province, in the table's province order (GBK order of the
// names, then 香港 and 澳门). 上海, 重庆 and 云南 have a second block at the
// end of the table, see APPENDED.
const PROVINCE_COUNTS = [
  ['安徽', 76], ['北京', 18], ['福建', 67], ['甘肃', 83], ['广东', 98], ['广西', 89],
  ['贵州', 81], ['海南', 19], ['河北', 147], ['河南', 121], ['黑龙江', 78], ['湖北', 74],
  ['湖南', 94], ['吉林', 49], ['江苏', 76], ['江西', 88], ['辽宁', 52], ['内蒙古', 89],
  ['宁夏', 21], ['青海', 38], ['山东', 109], ['山西', 106], ['陕西', 95], ['上海', 6],
  ['四川', 155], ['台湾', 20], ['天津', 12], ['西藏', 78], ['新疆', 86], ['云南', 128],
  ['浙江', 72], ['重庆', 37], ['香港', 18], ['澳门', 1],
];
const APPENDED = [['上海', 14], ['重庆', 4], ['云南', 1]];

// Rows the program has always carried with these values, at these indexes.
const KEPT_ROWS = [
  { index: 1, province: '安徽', city: '安庆', lon: 117.03, lat: 30.52 },
  { index: 266, province: '广东', city: '广州', lon: 113.23, lat: 23.16 },
  // 漠河 as the northernmost place: the village 北极村 on the Amur.
  { index: 840, province: '黑龙江', city: '漠河', lon: 122.37, lat: 53.48 },
  { index: 2109, province: '新疆', city: '乌鲁木齐', lon: 87.68, lat: 43.77 },
  { index: 2400, province: '云南', city: '丽江', lon: 100.2, lat: 27.1, decimals: 1 },
];
// Kept values whose index follows from the order of their province.
const KEPT_VALUES = [
  { province: '北京', city: '朝阳区', lon: 116.4, lat: 39.8 },
];

// The table's bounds: 75.18..134.15 east, 17.49..53.48 north. The places at
// the edges carry the bound itself.
const BOUNDS = { west: 75.18, east: 134.15, south: 17.49, north: 53.48 };
const EDGE_PLACES = [
  { province: '新疆', city: '塔什库尔干', lon: BOUNDS.west },
  { province: '黑龙江', city: '抚远', lon: BOUNDS.east },
  { province: '海南', city: '三沙', lat: BOUNDS.south },
];

// Pairs listed twice; a lookup finds the first. For the first four the city
// comes first and the county of the same name second.
const REPEATED_PAIRS = [
  ['河北', '承德'], ['吉林', '通化'], ['江西', '九江'], ['江西', '南昌'],
  ['内蒙古', '科尔沁左翼中旗'],
];

// 北京 lists its districts to one decimal.
const ONE_DECIMAL_PROVINCES = ['北京'];

// Districts merged away before the gazetteer was drawn (崇文, 宣武 in 2010;
// 卢湾 2011, 闸北 2015, 南汇 2009; 万盛, 双桥 2011): seats of their former
// governments.
const FORMER_DISTRICTS = [
  { province: '北京', city: '崇文区', lon: 116.42, lat: 39.88 },
  { province: '北京', city: '宣武区', lon: 116.36, lat: 39.89 },
  { province: '上海', city: '卢湾区', lon: 121.47, lat: 31.21 },
  { province: '上海', city: '闸北区', lon: 121.46, lat: 31.25 },
  { province: '上海', city: '南汇区', lon: 121.76, lat: 31.05 },
  { province: '重庆', city: '万盛区', lon: 106.92, lat: 28.96 },
  { province: '重庆', city: '双桥区', lon: 105.79, lat: 29.49 },
];

// Municipalities listed with an entry for the city itself besides its
// districts (北京 lists districts only).
const MUNICIPALITIES = [
  { province: '北京', file: 'beijing', cityEntry: false },
  { province: '上海', file: 'shanghai', cityEntry: true },
  { province: '天津', file: 'tianjin', cityEntry: true },
  { province: '重庆', file: 'chongqing', cityEntry: true },
  { province: '香港', file: 'xianggang', cityEntry: false },
];

// 澳门 is one entry for the whole region.
const MACAU = { province: '澳门', city: '特别行政区', lon: 113.5, lat: 22.2, decimals: 1 };

// 台湾: the package files its cities and counties under traditional names and
// gives no centre points. Each entry: common name, the package's name, and the
// feature of its seat (city hall district or county seat). 新竹县 and 嘉义县 are
// left out: their common names are those of the cities.
const TAIWAN = [
  ['台北', '臺北', '中正區'], ['新北', '新北', '板橋區'], ['桃园', '桃園', '桃園區'],
  ['台中', '臺中', '中區'], ['台南', '臺南', '中西區'], ['高雄', '高雄', '苓雅區'],
  ['基隆', '基隆', '中正區'], ['新竹', '新竹', '北區'], ['嘉义', '嘉義', '東區'],
  ['苗栗', '苗栗縣', '苗栗市'], ['彰化', '彰化縣', '彰化市'], ['南投', '南投縣', '南投市'],
  ['云林', '雲林縣', '斗六市'], ['屏东', '屏東縣', '屏東市'], ['宜兰', '宜蘭縣', '宜蘭市'],
  ['花莲', '花蓮縣', '花蓮市'], ['台东', '臺東縣', '臺東市'], ['澎湖', '澎湖縣', '馬公市'],
  ['金门', '金門縣', '金城鎮'], ['连江', '連江縣', '南竿鄉'],
].map(([city, packageName, seat]) => ({ city, packageName, seat }));

// Features of the package that are no county-level place: the remainder of a
// prefecture governed directly (…直辖) and islands without a county.
function isPlace(featureName) {
  return !featureName.endsWith('直辖') && !featureName.endsWith('群岛');
}

module.exports = {
  PROVINCE_COUNTS, APPENDED, KEPT_ROWS, KEPT_VALUES, BOUNDS, EDGE_PLACES, REPEATED_PAIRS,
  ONE_DECIMAL_PROVINCES, FORMER_DISTRICTS, MUNICIPALITIES, MACAU, TAIWAN, isPlace,
};
