#include "app/look.h"

#include "platform/code_page.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QValidator>
#include <QWidget>

// The pictures live in this static library, so it registers them itself.
static void InitResources() {
    Q_INIT_RESOURCE(tarvex);
}

namespace tarvex::ui {

namespace {

class FirstPolish final : public QObject {
  public:
    FirstPolish(QWidget* widget, std::function<void()> work)
        : QObject(widget), work_(std::move(work)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish) {
            watched->removeEventFilter(this);
            deleteLater();
            work_();
        }
        return false;
    }

  private:
    std::function<void()> work_;
};

class SingleByteValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const QChar c : input)
            if (!CharToByte(c.unicode()))
                return Invalid;
        return Acceptable;
    }
};

} // namespace

// Liberation Sans and Arial share the designed font's proportions closely
// enough that every caption still fits its control. Picked once: handing Qt
// the whole list would make it search the missing names for every font.
const QString& DesignedFamily() {
    static const QString family = [] {
        // A plain look-up among the installed families: asking for a missing
        // one by name sends fontconfig through all its substitution rules.
        const QStringList installed = QFontDatabase::families();
        for (const char* name :
             {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "Helvetica"})
            if (installed.contains(QString::fromLatin1(name), Qt::CaseInsensitive))
                return QString::fromLatin1(name);
        return QString();
    }();
    return family;
}

QFont SansFont(int pixelHeight, bool bold, bool italic) {
    QFont font(DesignedFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
#ifdef Q_OS_WIN
    // Windows draws the designed bitmap font as it is. A stand-in drawn
    // without smoothing loses strokes at these small sizes under wine
    // (Liberation Sans' capital I vanishes at 11 px), so it is smoothed.
    static const bool standIn = DesignedFamily() != QLatin1String("MS Sans Serif");
    if (standIn)
        font.setStyleStrategy(QFont::PreferAntialias);
#endif
    return font;
}

void SetUpWindow(QWidget* window, const char* objectName, const QString& caption, int clientWidth,
                 int clientHeight, int left, int top, Frame frame) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (frame == Frame::Single)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowTitle(caption);
    window->setFixedSize(clientWidth, clientHeight);
    window->move(left, top);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Qt::black);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFont(SansFont(11));
    window->setWindowIcon(ApplicationIcon());
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const char* objectName, const QString& text,
                  const QRect& geometry, const QFont& font, const QColor& colour, bool autoSize) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFont(font);
    SetTextColour(label, colour);
    label->setGeometry(geometry);
    if (autoSize)
        OnFirstPolish(label, [label] { label->adjustSize(); });
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption,
                        const QString& hint, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(hint);
    button->setGeometry(geometry);
    return button;
}

void OnFirstPolish(QWidget* widget, std::function<void()> work) {
    if (widget->testAttribute(Qt::WA_WState_Polished))
        work();
    else
        new FirstPolish(widget, std::move(work));
}

QPixmap Picture(const QString& path) {
    static const bool registered = (InitResources(), true);
    (void)registered;
    // Named as PNG, so no image plugin is loaded only to be asked whether it
    // reads the file better than Qt's own reader.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon ApplicationIcon() {
    static const QIcon icon(Picture(QStringLiteral(":/tarvex/icon.png")));
    return icon;
}

QString FromBytes(const std::string& bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(ByteToChar(static_cast<unsigned char>(byte)));
    return text;
}

std::string ToBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        if (const auto byte = CharToByte(c.unicode()))
            bytes += static_cast<char>(*byte);
    return bytes;
}

#ifdef Q_OS_WIN
QString FromSystemText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
std::string ToSystemText(const QString& text) {
    return text.toUtf8().toStdString();
}
QString PathForDisplay(const std::string& path) {
    return FromSystemText(path);
}
#else
// The files' own single bytes, Latin-1 here, carry the system's texts too.
QString FromSystemText(const std::string& text) {
    return FromBytes(text);
}
std::string ToSystemText(const QString& text) {
    return ToBytes(text);
}
QString PathForDisplay(const std::string& path) {
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}
#endif

void LimitToSingleBytes(QLineEdit* edit) {
    edit->setValidator(new SingleByteValidator(edit));
}

void LimitToSingleBytes(QComboBox* combo) {
    combo->setValidator(new SingleByteValidator(combo));
}

void LimitToSystemText(QLineEdit* edit) {
#ifdef Q_OS_WIN
    (void)edit; // the wide-character command line takes any text
#else
    LimitToSingleBytes(edit);
#endif
}

} // namespace tarvex::ui
