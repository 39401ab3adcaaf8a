#pragma once
// The product's picture on the start and about windows: the name Veltra, the
// version and the year written over a sheet of ruled paper with a pen stroke.

#include <QWidget>

class TProductPicture : public QWidget {
    Q_OBJECT
  public:
    explicit TProductPicture(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
