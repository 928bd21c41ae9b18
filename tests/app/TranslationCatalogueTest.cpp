// The Russian catalogue against the sources: complete, current, and every
// translation keeps the places its text fills in.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include "Messages.h"
#include "UiText.h"

namespace {

struct Entry {
  QString source;
  QString translation;
  QStringList forms;  // plural forms, each checked on its own
  bool unfinished = false;
};

// The text of the current element, with the control characters that the
// file writes as <byte value="xN"/>.
QString elementText(QXmlStreamReader& xml) {
  QString text;
  const QStringView name = xml.name();
  const QString end = name.toString();
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement() && xml.name() == end) break;
    if (xml.isCharacters()) text += xml.text();
    if (xml.isStartElement() && xml.name() == u"byte") {
      bool ok = false;
      const uint code = xml.attributes().value("value").mid(1).toUInt(&ok, 16);
      if (ok) text += QChar(code);
    }
  }
  return text;
}

// Context + "\n" + source text -> entry.
QMap<QString, Entry> readCatalogue(const QString& path) {
  QMap<QString, Entry> out;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return out;
  QXmlStreamReader xml(&file);
  QString context;
  Entry entry;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      entry = Entry{};
    } else if (xml.name() == u"source") {
      entry.source = elementText(xml);
    } else if (xml.name() == u"comment") {
      // The same text may stand twice in a context, told apart by a comment.
      entry.source += QStringLiteral("\n#") + elementText(xml);
    } else if (xml.name() == u"translation") {
      const QString type = xml.attributes().value("type").toString();
      if (type == "obsolete" || type == "vanished") continue;
      entry.unfinished = type == "unfinished";
      // Plural forms: every form must be there.
      QString text;
      bool emptyForm = false;
      while (!(xml.isEndElement() && xml.name() == u"translation") && !xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement() && xml.name() == u"numerusform") {
          const QString form = elementText(xml);
          emptyForm = emptyForm || form.isEmpty();
          entry.forms << form;
          text += form;
        }
      }
      entry.translation = emptyForm ? QString() : text;
      out.insert(context + u'\n' + entry.source, entry);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return out;
}

// The argument places of a text: numbered ones (%1..%9) by number, printf
// ones (%s, %d, %.2f ...) by their position among the printf places. A
// numbered place may end a sentence ("%2."); "%1.4f" is a printf place.
QSet<int> places(const QString& text) {
  QSet<int> out;
  static const QRegularExpression place(QStringLiteral("%(?:%|([1-9])(?![0-9A-Za-z]|\\.[0-9])|[-0-9.:]*[A-Za-z])"));
  int sequential = 0;
  for (auto it = place.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    if (m.captured(0) == QLatin1String("%%")) continue;
    out.insert(m.captured(1).isEmpty() ? ++sequential : m.captured(1).toInt());
  }
  return out;
}

}  // namespace

TEST(TranslationCatalogue, HoldsEveryMarkedTextOfTheSourcesAndNothingStale) {
  const QString root = QStringLiteral(VELMORA_SOURCE_DIR);
  const auto catalogue = readCatalogue(root + "/translations/velmora_ru.ts");
  ASSERT_FALSE(catalogue.isEmpty());
  QTemporaryDir temp;
  const QString fresh = temp.filePath("fresh.ts");
  QProcess lupdate;
  lupdate.start("bash", {root + "/scripts/update-translations", fresh});
  ASSERT_TRUE(lupdate.waitForFinished(300000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  const auto sources = readCatalogue(fresh);
  ASSERT_FALSE(sources.isEmpty());
  QStringList missing;
  for (auto it = sources.keyBegin(); it != sources.keyEnd(); ++it)
    if (!catalogue.contains(*it)) missing << *it;
  EXPECT_TRUE(missing.isEmpty()) << "not in the catalogue (run scripts/update-translations):\n"
                                 << missing.join("\n---\n").toStdString();
  QStringList stale;
  for (auto it = catalogue.keyBegin(); it != catalogue.keyEnd(); ++it)
    if (!sources.contains(*it)) stale << *it;
  EXPECT_TRUE(stale.isEmpty()) << "no longer in the sources:\n" << stale.join("\n---\n").toStdString();
}

TEST(TranslationCatalogue, EveryTextIsTranslatedWithTheSameArgumentPlaces) {
  const auto catalogue = readCatalogue(QStringLiteral(VELMORA_SOURCE_DIR) + "/translations/velmora_ru.ts");
  ASSERT_FALSE(catalogue.isEmpty());
  int untranslated = 0;
  QStringList wrongPlaces;
  for (const Entry& e : catalogue) {
    if (e.unfinished || e.translation.isEmpty()) {
      ++untranslated;
      continue;
    }
    const QStringList forms = e.forms.isEmpty() ? QStringList{e.translation} : e.forms;
    for (const QString& form : forms)
      if (places(e.source) != places(form)) wrongPlaces << e.source + " => " + form;
  }
  EXPECT_EQ(untranslated, 0) << "of " << catalogue.size() << " texts";
  EXPECT_TRUE(wrongPlaces.isEmpty()) << wrongPlaces.join('\n').toStdString();
}

// A count in a message takes the Russian form it needs: one for 1 and 21,
// a few for 2..4 and 22, many for 0, 5..20 and 11.
TEST(TranslationCatalogue, CountsTakeTheirRussianForms) {
  QTranslator russian;
  ASSERT_TRUE(russian.load(QStringLiteral(VELMORA_QM_DIR "/velmora_ru.qm")));
  QCoreApplication::installTranslator(&russian);
  struct Removal {
    QTranslator& t;
    ~Removal() { QCoreApplication::removeTranslator(&t); }
  } removal{russian};
  const auto text = [](std::int64_t n) {
    return velmora::UiText::message(velmora::Message::Counted(velmora::msg::SamplerNoAnswer, n, {"5"}));
  };
  const QString head = QString::fromUtf8("Автосамплер не ответил при переходе к ячейке 5. Серия остановлена; ");
  EXPECT_EQ(text(1), head + QString::fromUtf8("уже записанная 1 кривая сохранена."));
  EXPECT_EQ(text(21), head + QString::fromUtf8("уже записанная 21 кривая сохранена."));
  EXPECT_EQ(text(3), head + QString::fromUtf8("уже записанные 3 кривые сохранены."));
  EXPECT_EQ(text(22), head + QString::fromUtf8("уже записанные 22 кривые сохранены."));
  for (int n : {0, 5, 11, 12})
    EXPECT_EQ(text(n), head + QString::fromUtf8("уже записанные %1 кривых сохранены.").arg(n)) << n;
}

// Without a translation the English wording for one and for many stays.
TEST(TranslationCatalogue, CountsKeepTheirEnglishFormsUntranslated) {
  const auto text = [](std::int64_t n) {
    return velmora::UiText::message(velmora::Message::Counted(velmora::msg::SamplerWrongCell, n, {"6"}));
  };
  EXPECT_EQ(text(1),
            "The autosampler did not report cell 6 after the move. The batch is stopped; the 1 curve recorded "
            "so far is kept.");
  EXPECT_EQ(text(2),
            "The autosampler did not report cell 6 after the move. The batch is stopped; the 2 curves recorded "
            "so far are kept.");
}
