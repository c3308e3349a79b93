// 命状格式: the shipped styles, in the order of style.ini (line k is folder k).
'use strict';

module.exports = [
  { id: '01', name: '全屏宽版', heading: '八字命书', seal: '命', toc: true, css: ['base.css', 's01.css'] },
  { id: '02', name: '典雅标准版', heading: '八字命书', seal: '命', toc: true, css: ['base.css', 's02.css'] },
  { id: '03', name: '简洁紧凑版', heading: '八字命书', seal: '命', toc: false, css: ['base.css', 's03.css'] },
  { id: '04', name: '黑白打印版', heading: '八字命书', seal: '命', toc: false, css: ['base.css', 's04.css'] },
  { id: '05', name: '古典朱墨版', heading: '四柱命书', seal: '命', toc: true, css: ['base.css', 's05.css'] },
  { id: '06', name: '大字阅读版', heading: '八字命书', seal: '命', toc: true, css: ['base.css', 's06.css'] },
];
