#include "ui/widgets/AccessibleLabels.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QTextDocumentFragment>

namespace tessella::widgets {

namespace {

// The text as read: plain, without the mnemonic marks of a label that has a buddy.
QString ShownText(const QLabel& label) {
    QString text = label.text();
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (rich) text = QTextDocumentFragment::fromHtml(text).toPlainText();
    if (label.buddy()) {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }
    return text.simplified();
}

class AccessibleLabel final : public QAccessibleWidget {
  public:
    explicit AccessibleLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        const QLabel* l = label();
        return l->text().isEmpty() && !l->pixmap().isNull() ? QAccessible::Graphic
                                                            : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return AccessibleLabelName(*label());
            case QAccessible::Value:
                return ShownText(*label());
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        if (QWidget* buddy = label()->buddy(); buddy && (match & QAccessible::Labelled))
            if (QAccessibleInterface* b = QAccessible::queryAccessibleInterface(buddy))
                related.append({b, QAccessible::Labelled});
        return related;
    }

  private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* LabelFactory(const QString& className, QObject* object) {
    // Asked once per class up the object's hierarchy: the label's own class answers first.
    auto* label = qobject_cast<QLabel*>(object);
    if (!label || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new AccessibleLabel(label);
}

}  // namespace

QString AccessibleLabelName(const QLabel& label) {
    const QString name = label.accessibleName().trimmed();
    const QString shown = ShownText(label);
    if (name.isEmpty()) return shown;
    if (shown.isEmpty() || shown == name) return name;
    // The French colon has a space before it; other languages write theirs.
    return QCoreApplication::translate("AccessibleLabels", "%1 : %2").arg(name, shown);
}

void InstallAccessibleLabels() {
    // Removing first keeps a single entry however often this runs.
    QAccessible::removeFactory(LabelFactory);
    QAccessible::installFactory(LabelFactory);
}

}  // namespace tessella::widgets
