#pragma once

#include <QListWidget>

namespace kestrix {

class ListBoxWidget : public QListWidget {
    Q_OBJECT
public:
    explicit ListBoxWidget(QWidget* parent = nullptr);
};

} // namespace kestrix
