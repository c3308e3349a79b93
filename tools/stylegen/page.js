// Script of every report page. The template scan takes every opening square bracket
// for a field reference, so this script never writes one: no array literals or
// indexing, lists are walked with item() and forEach.

// Reader votes. The producers write <div id='dN'><button onClick="v('N')">; the page
// works without a network, so a vote is kept in this browser and thanked at once.
var VOTE_KEY = 'orvane.vote.';

function voteThanks(id) {
  var divs = document.getElementsByTagName('div');
  for (var i = 0; i < divs.length; i++) {
    var d = divs.item(i);
    if (d.id === 'd' + id) {
      d.textContent = '已投票，谢谢！';
      d.className = 'voted';
    }
  }
}

function v(id) {
  try {
    window.localStorage.setItem(VOTE_KEY + id, new Date().toISOString());
  } catch (e) {
    // Storage may be off for local files; the thanks still shows.
  }
  voteThanks(id);
}

(function () {
  function each(list, fn) {
    Array.prototype.slice.call(list).forEach(fn);
  }
  function blank(el) {
    return el.textContent.replace(/\s+/g, '') === '';
  }
  // A container whose field wrappers are all empty: the producer wrote nothing there.
  function allBlank(el) {
    var fields = el.getElementsByClassName('f');
    if (fields.length === 0) return false;
    for (var i = 0; i < fields.length; i++) {
      if (!blank(fields.item(i))) return false;
    }
    return true;
  }

  // Numbers come padded ("%2d"); the page lays them out itself.
  each(document.getElementsByClassName('f'), function (el) {
    if (el.children.length === 0) el.textContent = el.textContent.replace(/^ +| +$/g, '');
  });

  // The annual table: a line above each year in which a luck period begins
  // (the first one after "未上大运", then every row naming two periods).
  each(document.getElementsByClassName('annual'), function (table) {
    var before = true;
    each(table.getElementsByClassName('lk'), function (cell) {
      var text = cell.textContent;
      var row = cell.parentNode;
      var started = text !== '' && text.indexOf('未上大运') < 0;
      if ((started && before) || text.indexOf('、') >= 0) row.classList.add('chg');
      if (started) before = false;
    });
  });

  each(document.getElementsByClassName('need'), function (el) {
    if (allBlank(el)) el.classList.add('gone');
  });
  // Without a birth place (true solar time off) the coordinates are only placeholders.
  var place = document.getElementById('place');
  var coords = document.getElementById('coords');
  if (place && coords && place.classList.contains('gone')) coords.classList.add('gone');

  each(document.getElementsByClassName('sec'), function (sec) {
    if (!allBlank(sec)) return;
    sec.classList.add('nodata');
    each(document.getElementsByTagName('a'), function (a) {
      if (a.getAttribute('href') === '#' + sec.id) a.classList.add('dim');
    });
  });

  // Stems, branches and element names coloured by their element (木火土金水).
  function elementOf(ch) {
    if ('甲乙寅卯木'.indexOf(ch) >= 0) return 'e1';
    if ('丙丁巳午火'.indexOf(ch) >= 0) return 'e2';
    if ('戊己辰戌丑未土'.indexOf(ch) >= 0) return 'e3';
    if ('庚辛申酉金'.indexOf(ch) >= 0) return 'e4';
    if ('壬癸亥子水'.indexOf(ch) >= 0) return 'e5';
    return '';
  }
  function onlySigns(text) {
    for (var i = 0; i < text.length; i++) {
      var ch = text.charAt(i);
      if (!elementOf(ch) && '、 　'.indexOf(ch) < 0) return false;
    }
    return true;
  }
  each(document.getElementsByClassName('wx'), function (el) {
    var text = el.textContent;
    if (el.children.length > 0 || blank(el) || !onlySigns(text)) return;
    el.textContent = '';
    for (var i = 0; i < text.length; i++) {
      var ch = text.charAt(i);
      var cls = elementOf(ch);
      if (cls) {
        var span = document.createElement('span');
        span.className = cls;
        span.textContent = ch;
        el.appendChild(span);
      } else {
        el.appendChild(document.createTextNode(ch));
      }
    }
  });

  // Bars of the five element scores, scaled to the largest.
  var most = 0;
  var k;
  for (k = 705; k <= 709; k++) {
    var cell = document.getElementById('s' + k);
    var n = cell ? parseFloat(cell.textContent) : NaN;
    if (n > most) most = n;
  }
  for (k = 705; k <= 709; k++) {
    var score = document.getElementById('s' + k);
    var bar = document.getElementById('b' + k);
    var value = score ? parseFloat(score.textContent) : NaN;
    if (bar && most > 0 && value > 0) bar.style.width = (100 * value / most).toFixed(1) + '%';
  }

  // Verses: one line per phrase.
  each(document.getElementsByClassName('poem'), function (el) {
    if (el.children.length > 0) return;
    var text = el.textContent.trim();
    if (!text) return;
    el.textContent = '';
    text.replace(/(，|；|。|？|！)/g, '$1\n').split('\n').forEach(function (line) {
      if (!line) return;
      var span = document.createElement('span');
      span.className = 'ln';
      span.textContent = line;
      el.appendChild(span);
    });
  });

  // Numbered remarks (①…②…) one to a line.
  each(document.getElementsByClassName('para'), function (el) {
    var text = el.textContent;
    if (el.children.length > 0 || !/②/.test(text)) return;
    el.textContent = '';
    text.replace(/(①|②|③|④|⑤|⑥|⑦|⑧|⑨|⑩)/g, '\n$1').split('\n').forEach(function (line) {
      if (!line.trim()) return;
      var span = document.createElement('span');
      span.className = 'ln';
      span.textContent = line;
      el.appendChild(span);
    });
  });

  // The end month of each of the coming twelve months is the month after its start.
  each(document.getElementsByClassName('mrow'), function (row) {
    var start = row.getElementsByClassName('sm').item(0);
    var end = row.getElementsByClassName('em2').item(0);
    var m = start ? parseInt(start.textContent, 10) : NaN;
    if (end && m >= 1 && m <= 12) end.textContent = String(m % 12 + 1);
  });

  // This year stands out in the year tables.
  var thisYear = String(new Date().getFullYear());
  each(document.getElementsByClassName('yr'), function (row) {
    var y = row.getElementsByClassName('yv').item(0);
    if (y && y.textContent.trim() === thisYear) row.classList.add('now');
  });
  var today = new Date();
  var current = null;
  each(document.getElementsByClassName('mrow'), function (row) {
    var f = row.getElementsByClassName('f');
    var y = parseInt(f.item(0).textContent, 10);
    var m = parseInt(f.item(1).textContent, 10);
    var d = parseInt(f.item(2).textContent, 10);
    if (y > 0 && m > 0 && d > 0 && new Date(y, m - 1, d) <= today) current = row;
  });
  if (current) current.classList.add('now');

  // Votes given earlier in this browser.
  try {
    var store = window.localStorage;
    each(document.getElementsByTagName('div'), function (d) {
      if (/^d\d+$/.test(d.id) && store.getItem(VOTE_KEY + d.id.slice(1)) !== null) voteThanks(d.id.slice(1));
    });
  } catch (e) {
    // No storage: nothing to restore.
  }
})();
