// Measures every stem-branch pair of a report page: the box of the branch must lie
// below its stem (a pair standing in a column) or right of it (a pair on a line).
// One expression, evaluated as it is by the Chromium test (inside right.htm) and by
// the window test (in the program's web view, whose page frames right.htm).
// Gives JSON: {"pairs": pairs measured, "bad": up to 12 pairs out of order, "badCount"}.
(function () {
  var STEMS = '甲乙丙丁戊己庚辛壬癸';
  var BRANCHES = '子丑寅卯辰巳午未申酉戌亥';
  var frame = document.getElementsByTagName('iframe').item(0);
  var doc = frame && frame.contentDocument ? frame.contentDocument : document;

  // The box of the k-th sign (not counting white space) inside an element.
  function signBox(el, k) {
    var walker = doc.createTreeWalker(el, NodeFilter.SHOW_TEXT, null);
    var seen = 0;
    var node;
    while ((node = walker.nextNode())) {
      for (var i = 0; i < node.data.length; i++) {
        if (/\s/.test(node.data.charAt(i))) continue;
        if (seen++ !== k) continue;
        var range = doc.createRange();
        range.setStart(node, i);
        range.setEnd(node, i + 1);
        return range.getBoundingClientRect();
      }
    }
    return null;
  }

  var pairs = 0;
  var bad = [];
  var fields = doc.getElementsByClassName('f');
  for (var n = 0; n < fields.length; n++) {
    var el = fields.item(n);
    var text = el.textContent.replace(/\s+/g, '');
    if (text.length !== 2 || STEMS.indexOf(text.charAt(0)) < 0 || BRANCHES.indexOf(text.charAt(1)) < 0) continue;
    var stem = signBox(el, 0);
    var branch = signBox(el, 1);
    if (!stem || !branch || stem.width === 0 || branch.width === 0) continue;  // not displayed
    pairs++;
    // The branch starts past the middle of its stem, downward in a column or rightward on a line.
    var below = branch.top > stem.top + stem.height / 2 && branch.left < stem.right && branch.right > stem.left;
    var right = branch.left > stem.left + stem.width / 2 && branch.top < stem.bottom && branch.bottom > stem.top;
    if (!below && !right) {
      bad.push(text + ' at ' + Math.round(stem.left) + ',' + Math.round(stem.top) + ' / ' +
               Math.round(branch.left) + ',' + Math.round(branch.top));
    }
  }
  return JSON.stringify({ pairs: pairs, bad: bad.slice(0, 12), badCount: bad.length });
})()
