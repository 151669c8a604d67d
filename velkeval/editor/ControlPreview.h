#pragma once

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QSpinBox;

namespace velk {

class ControlEditor;

// The control editor's "Preview" frame: one preview control per type, of
// which the chosen type's is shown with the entered size, position, colours,
// font, alignment, caption and range. The frame is as high as the group.
class ControlPreview : public QGroupBox {
public:
    explicit ControlPreview(QWidget* parent = nullptr);

    void Show(const ControlEditor& editor);

private:
    QWidget* PreviewOf(int32_t controlType) const;
    void Look(QWidget* preview, const ControlEditor& editor) const;

    QLineEdit* preTextbox_;
    QComboBox* preCombo_;
    QLineEdit* preTxtUpDown_;
    QSpinBox* preUpdown_;
    QScrollBar* preScrollbar_;
    QLineEdit* preDisplay_;
    QLabel* preLabel_;
};

}  // namespace velk
