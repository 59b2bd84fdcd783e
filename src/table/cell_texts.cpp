#include "table/cell_texts.h"

#include "common/control_characters.h"
#include "common/minimize_path.h"
#include "common/paths.h"
#include "common/settings.h"
#include "table/html_text.h"
#include "table/number_format.h"

#include <algorithm>

namespace {

// The width in pixels a shortened path may take.
constexpr int ShortPathWidth = 200;
// Places beyond this only add zeros; a damaged configuration must not make huge cells.
constexpr int MaxSizeDecimals = 99;

// The places of the size column: a whole number typed or chosen, else 3.
int sizeDecimalsOf(const QString &text)
{
    if (text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return 3;
    bool fits = false;
    const int places = text.toInt(&fits);
    return fits ? std::min(places, MaxSizeDecimals) : MaxSizeDecimals;
}

// Every occurrence of the name's extension goes, so "report.txt.txt" becomes "report".
QString withoutExtension(QString name)
{
    const QString extension = extensionOf(name);
    if (!extension.isEmpty())
        name.remove(extension, Qt::CaseSensitive);
    return name;
}

// The file's own folder only: "/home/me/" becomes "/me/", "/" stays "/".
QString directFolder(QString folder)
{
    if (folder.endsWith(u'/'))
        folder.chop(1);
    return folder.mid(std::max<qsizetype>(0, folder.lastIndexOf(u'/'))) + u'/';
}

bool comesFromFile(ColumnKind kind)
{
    return kind == ColumnKind::FileName || kind == ColumnKind::Format || kind == ColumnKind::WindowsType ||
           kind == ColumnKind::Program || kind == ColumnKind::Path;
}

} // namespace

CellTexts::CellTexts(const Settings &settings, const LocaleFormat &format, OutputFormat output)
    : m_format(format), m_html(output == OutputFormat::Htm || output == OutputFormat::Html),
      m_csv(output == OutputFormat::Csv), m_nameExtension(settings.isOn(PB::act_name_endung)),
      m_nameLink(settings.isOn(PB::act_name_htmllink)),
      m_sizeUnit(sizeUnitOf(settings.value(PB::act_size_einheit))),
      m_sizeDecimals(sizeDecimalsOf(settings.value(PB::act_size_nks))),
      m_sizeShowUnit(settings.isOn(PB::act_size_showunit)), m_sizeThousands(settings.isOn(PB::act_size_1000)),
      m_dates{DateCellOptions{settings.value(PB::act_datum_erstellt_format),
                              settings.isOn(PB::act_datum_erstellt_date),
                              settings.isOn(PB::act_datum_erstellt_uhrzeit)},
              DateCellOptions{settings.value(PB::act_datum_zugegriffen_format),
                              settings.isOn(PB::act_datum_zugegriffen_date),
                              settings.isOn(PB::act_datum_zugegriffen_uhrzeit)},
              DateCellOptions{settings.value(PB::act_datum_changed_format),
                              settings.isOn(PB::act_datum_changed_date),
                              settings.isOn(PB::act_datum_changed_uhrzeit)}},
      m_hiddenYes(settings.value(PB::act_attribute_hidden_ja)),
      m_hiddenNo(settings.value(PB::act_attribute_hidden_nein)),
      m_readOnlyYes(settings.value(PB::act_attribute_readonly_ja)),
      m_readOnlyNo(settings.value(PB::act_attribute_readonly_nein)),
      m_programFolder(settings.isOn(PB::act_exeprog_pfad)),
      m_programName(settings.isOn(PB::act_exeprog_name)), m_pathName(settings.isOn(PB::act_pfad_datei)),
      m_pathExtension(settings.isOn(PB::act_pfad_endung)),
      m_pathDirectFolder(settings.isOn(PB::act_pfad_direkterordner)),
      m_pathShort(settings.isOn(PB::act_pfad_kurz)), m_pathLink(settings.isOn(PB::act_pfad_htmllink))
{
    if (m_pathShort)
        m_shortener.emplace(measuringFont(), ShortPathWidth);
}

QString CellTexts::visibleText(ColumnKind kind, const FileEntry &row) const
{
    switch (kind) {
    case ColumnKind::FileName:
        return nameText(row);
    case ColumnKind::Format:
        return row.cells[CellFormat];
    case ColumnKind::WindowsType:
        return row.cells[CellTypeName];
    case ColumnKind::Size:
        return sizeText(row);
    case ColumnKind::Created:
        return dateCellText(row.cells[CellCreated], row.created, m_dates[0], m_format);
    case ColumnKind::Accessed:
        return dateCellText(row.cells[CellAccessed], row.accessed, m_dates[1], m_format);
    case ColumnKind::Changed:
        return dateCellText(row.cells[CellChanged], row.changed, m_dates[2], m_format);
    case ColumnKind::Hidden:
        return row.cells[CellHidden].contains(u'n') ? m_hiddenNo : m_hiddenYes;
    case ColumnKind::ReadOnly:
        return row.cells[CellReadOnly].contains(u'n') ? m_readOnlyNo : m_readOnlyYes;
    case ColumnKind::Program:
        return programText(row);
    case ColumnKind::Path:
        return pathText(row);
    case ColumnKind::Checksums:
        break;
    }
    return {};
}

QString CellTexts::outputText(ColumnKind kind, const FileEntry &row, const QString &visible) const
{
    if (!m_html)
        return comesFromFile(kind) ? escapedForOutput(visible) : visible;
    return linksToFile(kind) ? htmlFileLink(row.path(), htmlEscaped(visible)) : htmlEscaped(visible);
}

QString CellTexts::checksumCell(ChecksumKind kind, const FileEntry &row) const
{
    return escapedForOutput(row.cells[CellMd5 + int(kind)]);
}

QString CellTexts::escapedForOutput(const QString &text) const
{
    if (m_html)
        return htmlEscaped(text);
    return m_csv ? text : controlsAsQuestionMarks(text);
}

QString CellTexts::nameText(const FileEntry &row) const
{
    return m_nameExtension ? row.name : withoutExtension(row.name);
}

QString CellTexts::sizeText(const FileEntry &row) const
{
    QString cell;
    if (!m_sizeShowUnit)
        cell = formatNumber(double(row.bytes), 0, m_format);
    else if (m_sizeUnit >= 0)
        cell = sizeInUnit(row.bytes, m_sizeUnit, m_sizeDecimals, m_format);
    if (!m_sizeThousands && !m_format.thousandsSeparator.isEmpty())
        cell.remove(m_format.thousandsSeparator);
    return cell;
}

QString CellTexts::programText(const FileEntry &row) const
{
    const QString &program = row.cells[CellProgram];
    return (m_programFolder ? folderPart(program) : QString()) +
           (m_programName ? namePart(program) : QString());
}

QString CellTexts::pathText(const FileEntry &row) const
{
    // The whole path as it stands, shared rather than put together again.
    if (m_pathName && m_pathExtension && !m_pathDirectFolder && !m_pathShort)
        return row.path();
    QString folder = folderPart(row.path());
    QString name;
    if (m_pathName)
        name = m_pathExtension ? namePart(row.path()) : withoutExtension(namePart(row.path()));
    if (m_pathDirectFolder)
        folder = directFolder(folder);
    if (!m_pathShort)
        return folder + name;
    return m_shortener->shortened(folder + name);
}
