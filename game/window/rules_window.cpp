#include "rules_window.h"

#include <QAction>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace bramlow {

namespace {

// A picture of the program beside the text that says what it shows, so that the text
// alone tells a screen reader everything.
QString picture(const char* file, const char* what)
{
    return QStringLiteral("<img src=\"%1\" width=\"36\" height=\"36\" alt=\"%2\"> ").arg(QLatin1String(file), QString::fromUtf8(what));
}

QString rulesText()
{
    return QStringLiteral(
               "<h2>Spielregeln</h2>"
               "<p>Zwei Spieler, Silber und Gold, haben je acht Figuren. Wer zuerst alle acht Figuren in "
               "seine Zielreihe gebracht hat, gewinnt.</p>"
               "<h3>Das Spielfeld</h3>"
               "<p>%1%2Das Brett hat 8 mal 8 helle und dunkle Felder. Reihe 1 ist die unterste, Spalte 1 die "
               "linke. Die Felder heißen b11 bis b88: erst die Reihe, dann die Spalte.</p>"
               "<p>%3Silber beginnt links vom Brett (Startreihe s11 bis s18) und zieht nach rechts in seine "
               "Zielreihe s21 bis s28.</p>"
               "<p>%4Gold beginnt unter dem Brett (Startreihe g11 bis g18) und zieht nach oben in seine "
               "Zielreihe g21 bis g28.</p>"
               "<h3>Ein Zug</h3>"
               "<ol><li>%5Würfeln: ein Klick auf den Würfel oder die Taste W.</li>"
               "<li>%6Eine eigene Figur wählen: Sie wird hervorgehoben. Figuren, die ihre Zielreihe erreicht "
               "haben, bleiben stehen.</li>"
               "<li>Das Ziel wählen: Es muss genau so weit entfernt sein, wie der Würfel zeigt, gezählt als "
               "Schritte waagerecht plus Schritte senkrecht. Was dazwischen steht, zählt nicht.</li></ol>"
               "<p>Nicht erlaubt sind: ein Feld mit einer eigenen Figur, jede Startreihe, die Reihen des "
               "Gegners und ein Schritt zurück (Silber nach links, Gold nach unten). Seitwärts ist erlaubt. "
               "Die Meldungszeile sagt, warum ein Ziel nicht geht.</p>"
               "<p>Steht auf dem Ziel eine Figur des Gegners, ist sie geschlagen und kehrt in die Startreihe "
               "ihres Spielers zurück.</p>"
               "<p>%7Wer nicht ziehen kann oder will, beendet den Zug mit einem Klick auf das Logo oder mit "
               "der Taste E (auch Strg+E). Eine gewählte Figur kehrt dann zurück.</p>"
               "<h3>Tastatur</h3>"
               "<ul><li>Strg+N: neues Spiel; Strg+Q: Ende</li>"
               "<li>W: würfeln; E oder Strg+E: Zug beenden</li>"
               "<li>Tab führt über die Knöpfe und Meldungen zum Brett; dort wandert der Rahmen mit den "
               "Pfeiltasten, Leertaste oder Eingabe klickt.</li>"
               "<li>F10 öffnet die Menüs, Alt und der unterstrichene Buchstabe ebenso; F11: Vollbild; "
               "F1: diese Regeln; Strg+H: Hilfe</li></ul>"
               "<p>Ein Bildschirmleser spricht jeden Wurf, jeden Zug und jede Meldung, auch die des "
               "Computers.</p>")
        .arg(picture("01.bmp", "helles Feld"), picture("05.bmp", "dunkles Feld"), picture("08.bmp", "Silber-Figur"),
             picture("11.bmp", "Gold-Figur"), picture("wuerfel4.bmp", "Würfel"),
             picture("07.bmp", "gewählte Silber-Figur"), picture("bramlow.bmp", "Logo"));
}

} // namespace

RulesWindow::RulesWindow(const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("spielregeln"));
    setWindowTitle(QStringLiteral("Spielregeln"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("regelText"));
    browser->setAccessibleName(QStringLiteral("Spielregeln"));
    browser->setSearchPaths({programDir});
    browser->setHtml(rulesText());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    resize(560, 640);
}

void RulesWindow::showFor(const QString& programDir, QWidget* mainWindow)
{
    auto* window = mainWindow->findChild<RulesWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new RulesWindow(programDir, mainWindow);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace bramlow
