#pragma once
// A label drawn as a link: underlined, in its own colour, with a hand cursor.

#include <QLabel>

class TLinkLabel : public QLabel {
    Q_OBJECT
  public:
    TLinkLabel(const QString& objectName, const QString& text, const QColor& colour,
               QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
