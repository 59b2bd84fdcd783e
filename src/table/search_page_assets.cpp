#include "table/search_page_assets.h"

const QString searchPageStyle = QStringLiteral(R"(<style>
body { font-family: sans-serif; margin: 1em; }
table { border-collapse: collapse; }
th, td { padding: 2px 8px; text-align: left; white-space: nowrap; }
thead th { position: sticky; top: 0; background: #e8e8e8; cursor: pointer; user-select: none; }
thead th[aria-sort="ascending"]::after { content: " \25B2"; }
thead th[aria-sort="descending"]::after { content: " \25BC"; }
.right { text-align: right; }
tr.group th { background: #f4f4f4; cursor: pointer; text-align: left; }
</style>)");

// The web view of the preview reads markup even inside a script, so the script writes no "<".
// The data holds a {"heading": ...} object per group and per row its cells' markup and the sort
// values of the number columns. Only the rows near the window are in the page at any time;
// padding above and below the table stands for the others.
const QString searchPageScript = QStringLiteral(R"(<script>
(function () {
  var view = document.getElementById("view"), table = document.getElementById("list");
  var search = document.getElementById("search"), count = document.getElementById("count");
  var headers = table.tHead.rows[0].cells, columns = headers.length;
  var entries = JSON.parse(document.getElementById("rows").textContent);
  var groups = [], rows = [], widths = [], current = null;
  function plain(html) {
    return html.replace(/\x3c[^>]*>/g, "").replace(/&lt;/g, "\x3c").replace(/&gt;/g, ">")
               .replace(/&quot;/g, "\"").replace(/&amp;/g, "&");
  }
  entries.forEach(function (entry) {
    if (!Array.isArray(entry)) {
      current = {heading: entry.heading, rows: [], folded: false, index: groups.length};
      groups.push(current);
      return;
    }
    if (!current) {
      current = {heading: null, rows: [], folded: false, index: 0};
      groups.push(current);
    }
    var texts = entry[0].map(plain);
    texts.forEach(function (text, j) { widths[j] = Math.max(widths[j] || 0, text.length); });
    var row = {cells: entry[0], values: entry[1], texts: texts, text: texts.join("\t").toLowerCase(), shown: true};
    current.rows.push(row);
    rows.push(row);
  });
  var aligns = Array.prototype.map.call(headers, function (header, j) {
    header.style.minWidth = Math.max(widths[j] || 0, header.textContent.length) + 2 + "ch";
    return header.className ? " class=\"" + header.className + "\"" : "";
  });
  var list = [], rowHeight = 0, drawn = false;
  function build() {
    list = [];
    groups.forEach(function (group) {
      if (group.heading !== null) list.push({group: group});
      if (!group.folded)
        group.rows.forEach(function (row) { if (row.shown) list.push({group: group, row: row}); });
    });
  }
  function render() {
    drawn = false;
    var height = rowHeight || 20;
    var top = view.offsetTop + table.tHead.offsetHeight;
    var first = Math.max(0, Math.floor((window.scrollY - top) / height) - 20);
    var last = Math.min(list.length, first + Math.ceil(window.innerHeight / height) + 40);
    var html = "", group = null;
    for (var i = first; last > i; ++i) {
      var item = list[i];
      if (item.group !== group) {
        html += (group ? "\x3c/tbody>" : "") + "\x3ctbody>";
        group = item.group;
      }
      if (!item.row) {
        html += "\x3ctr class=\"group\" data-group=\"" + group.index + "\">\x3cth colspan=\"" + columns + "\">" +
                group.heading + "\x3c/th>\x3c/tr>";
        continue;
      }
      html += "\x3ctr>";
      for (var j = 0; columns > j; ++j) html += "\x3ctd" + aligns[j] + ">" + item.row.cells[j] + "\x3c/td>";
      html += "\x3c/tr>";
    }
    Array.prototype.slice.call(table.tBodies).forEach(function (body) { table.removeChild(body); });
    table.insertAdjacentHTML("beforeend", html + (group ? "\x3c/tbody>" : ""));
    view.style.paddingTop = first * height + "px";
    view.style.paddingBottom = (list.length - last) * height + "px";
    var sample = table.tBodies.length ? table.tBodies[0].rows[0] : null;
    if (!rowHeight && sample && sample.offsetHeight) {
      rowHeight = sample.offsetHeight;
      render();
    }
  }
  window.addEventListener("scroll", function () {
    if (!drawn) {
      drawn = true;
      window.requestAnimationFrame(render);
    }
  });
  window.addEventListener("resize", render);
  function showCount() {
    var shown = 0;
    rows.forEach(function (row) { if (row.shown) ++shown; });
    count.textContent = count.dataset.pattern.replace("%1", shown).replace("%2", rows.length);
  }
  search.addEventListener("input", function () {
    var wanted = search.value.toLowerCase();
    rows.forEach(function (row) { row.shown = wanted === "" || row.text.indexOf(wanted) >= 0; });
    showCount();
    build();
    render();
  });
  var collator = new Intl.Collator(document.documentElement.lang, {numeric: true});
  Array.prototype.forEach.call(headers, function (header, column) {
    header.addEventListener("click", function () {
      var descending = header.getAttribute("aria-sort") === "ascending";
      Array.prototype.forEach.call(headers, function (h) { h.removeAttribute("aria-sort"); });
      header.setAttribute("aria-sort", descending ? "descending" : "ascending");
      var numeric = header.dataset.sort === "number";
      var order = function (a, b) {
        if (!numeric) return collator.compare(a.texts[column], b.texts[column]);
        var x = a.values[column] === null ? -Infinity : a.values[column];
        var y = b.values[column] === null ? -Infinity : b.values[column];
        return y > x ? -1 : x > y ? 1 : 0;
      };
      groups.forEach(function (group) {
        group.rows.sort(function (a, b) { return descending ? order(b, a) : order(a, b); });
      });
      build();
      render();
    });
  });
  table.addEventListener("click", function (event) {
    var heading = event.target.closest("tr.group");
    if (!heading) return;
    var group = groups[Number(heading.dataset.group)];
    group.folded = !group.folded;
    build();
    render();
  });
  table.hidden = false;
  document.getElementById("tools").hidden = false;
  build();
  render();
  showCount();
})();
</script>)");
