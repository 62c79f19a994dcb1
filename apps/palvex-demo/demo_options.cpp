#include "demo_options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace palvex::demo {
namespace {

struct Parser {
  QCommandLineParser parser;
  QCommandLineOption store{"store", "Use this settings store instead of a throw-away one seeded with the sample themes.",
                           "PATH"};
  QCommandLineOption theme{"theme", "Start in this theme (default: the first of the catalogue).", "NAME"};
  QCommandLineOption render{"render", "Render the themed window to a PNG file without showing it, and exit.",
                            "FILE.png"};
  QCommandLineOption renderAll{"render-all",
                               "Render every theme of the catalogue to DIR/demo-<theme>.png, plus "
                               "DIR/contact-sheet.png, and exit.",
                               "DIR"};
  QCommandLineOption size{"size", "Window size for rendering (default 1000x700; the designer keeps its own).", "WxH"};
  QCommandLineOption designer{"designer", "With --render: render the designer window instead."};

  Parser() {
    parser.setApplicationDescription(
        "A customer and invoice window coloured by Palvex. Pick a theme in the toolbar, edit it with "
        "\"Editar tema…\"; changes saved by another program (palvex set, another designer) show within a second. Without a display it renders every theme, a contact sheet and the "
        "designer to PNG files instead, and prints where they are.");
    parser.addHelpOption();
    parser.addOptions({store, theme, render, renderAll, size, designer});
  }
};

QSize parseSize(const QString& text) {
  static const QRegularExpression pattern("^(\\d{2,5})x(\\d{2,5})$");
  const auto match = pattern.match(text);
  if (!match.hasMatch()) throw OptionError("--size \"" + text.toStdString() + "\": write it as WIDTHxHEIGHT, for instance 900x600");
  const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
  if (size.width() < 200 || size.height() < 150 || size.width() > 8000 || size.height() > 8000)
    throw OptionError("--size \"" + text.toStdString() + "\": between 200x150 and 8000x8000");
  return size;
}

}  // namespace

Options parseOptions(const QStringList& arguments) {
  Parser p;
  if (!p.parser.parse(arguments)) throw OptionError(p.parser.errorText().toStdString());
  if (!p.parser.positionalArguments().isEmpty())
    throw OptionError("unexpected argument \"" + p.parser.positionalArguments().first().toStdString() + "\"");
  Options options;
  options.help = p.parser.isSet("help");
  options.store = p.parser.value(p.store);
  options.theme = p.parser.value(p.theme);
  options.renderFile = p.parser.value(p.render);
  options.renderAllDir = p.parser.value(p.renderAll);
  options.designer = p.parser.isSet(p.designer);
  if (p.parser.isSet(p.size)) options.size = parseSize(p.parser.value(p.size));
  if (p.parser.isSet(p.store) && options.store.isEmpty()) throw OptionError("--store needs a file name");
  if (!options.renderFile.isEmpty() && !options.renderAllDir.isEmpty())
    throw OptionError("give either --render or --render-all");
  if (options.designer && options.renderFile.isEmpty()) throw OptionError("--designer goes with --render FILE.png");
  if (!options.renderAllDir.isEmpty() && !options.theme.isEmpty())
    throw OptionError("--render-all renders every theme; leave out --theme");
  return options;
}

QString helpText() {
  // The program's name is known to the parser only once a QCoreApplication exists.
  return Parser().parser.helpText().replace("<executable_name>", "palvex-demo");
}

}  // namespace palvex::demo
