#include "table/search_page_assets.h"

const QString searchPageStyle = QStringLiteral(R"(<style>
body { font-family: sans-serif; margin: 1em; }
table { border-collapse: collapse; }
th, td { padding: 2px 8px; text-align: left; vertical-align: top; }
thead th { position: sticky; top: 0; background: #e8e8e8; cursor: pointer; user-select: none; }
thead th[aria-sort="ascending"]::after { content: " \25B2"; }
thead th[aria-sort="descending"]::after { content: " \25BC"; }
.right { text-align: right; }
tr.group th { background: #f4f4f4; cursor: pointer; text-align: left; }
tbody.folded tr:not(.group) { display: none; }
tr[hidden] { display: none; }
</style>)");

// Rows carry their sort values in data-v (bytes, milliseconds); the lower-case text of every row
// is taken once, so typing filters without reading the page again.
const QString searchPageScript = QStringLiteral(R"(<script>
(function () {
  var table = document.getElementById("files");
  var search = document.getElementById("search");
  var count = document.getElementById("count");
  var bodies = Array.prototype.slice.call(table.tBodies);
  var rows = [], texts = [];
  bodies.forEach(function (body) {
    Array.prototype.forEach.call(body.rows, function (row) {
      if (!row.classList.contains("group")) { rows.push(row); texts.push(row.textContent.toLowerCase()); }
    });
  });
  var collator = new Intl.Collator(document.documentElement.lang, {numeric: true});
  function showCount(shown) {
    count.textContent = count.dataset.pattern.replace("%1", shown).replace("%2", rows.length);
  }
  search.addEventListener("input", function () {
    var wanted = search.value.toLowerCase(), shown = 0;
    for (var i = 0; i < rows.length; ++i) {
      var show = wanted === "" || texts[i].indexOf(wanted) >= 0;
      if (rows[i].hidden === show) rows[i].hidden = !show;
      if (show) ++shown;
    }
    showCount(shown);
  });
  var headers = table.tHead.rows[0].cells;
  Array.prototype.forEach.call(headers, function (header, column) {
    header.addEventListener("click", function () {
      var descending = header.getAttribute("aria-sort") === "ascending";
      Array.prototype.forEach.call(headers, function (h) { h.removeAttribute("aria-sort"); });
      header.setAttribute("aria-sort", descending ? "descending" : "ascending");
      var numeric = header.dataset.sort === "number";
      bodies.forEach(function (body) {
        var sorted = Array.prototype.filter.call(body.rows, function (row) { return !row.classList.contains("group"); });
        var keys = new Map(sorted.map(function (row) {
          var cell = row.cells[column], value = cell.dataset.v;
          return [row, numeric ? (value === undefined || value === "" ? -Infinity : Number(value)) : cell.textContent];
        }));
        sorted.sort(function (a, b) {
          var x = keys.get(a), y = keys.get(b);
          var order = numeric ? (x < y ? -1 : x > y ? 1 : 0) : collator.compare(x, y);
          return descending ? -order : order;
        });
        var rest = document.createDocumentFragment();
        sorted.forEach(function (row) { rest.appendChild(row); });
        body.appendChild(rest);
      });
    });
  });
  bodies.forEach(function (body) {
    var heading = body.querySelector("tr.group");
    if (heading) heading.addEventListener("click", function () { body.classList.toggle("folded"); });
  });
  showCount(rows.length);
})();
</script>)");
