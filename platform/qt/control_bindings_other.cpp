// Bindings of labels, boxes, panels, range controls, images, tool bars and status bars.
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScrollBar>
#include <QSlider>

#include "platform/controls/bars.h"
#include "platform/controls/containers.h"
#include "platform/controls/image.h"
#include "platform/controls/ranges.h"
#include "platform/qt/control_bindings.h"
#include "platform/qt/qt_convert.h"

namespace qb {

namespace {

Qt::Alignment qtAlign(Alignment a) {
    switch (a) {
        case Alignment::Right: return Qt::AlignRight;
        case Alignment::Center: return Qt::AlignHCenter;
        case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

class LabelBinding : public Binding {
public:
    LabelBinding(Label& l, QWidget* parent, FormView& v) : Binding(l, v), label_(l) {
        auto* w = new QLabel(parent);
        w->setTextFormat(Qt::PlainText);
        widget = w;
    }

protected:
    bool fillsBackground() const override { return !label_.transparent(); }
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QLabel*>(widget.data());
        if (changes & change::Text) w->setText(qs(stripAccelerator(label_.caption())));
        if (changes & change::Options) {
            w->setAlignment(qtAlign(label_.alignment()) | Qt::AlignTop);
            w->setWordWrap(label_.wordWrap());
            // The background follows the transparency too.
            Binding::update(change::Color);
        }
    }

private:
    Label& label_;
};

class GroupBoxBinding : public Binding {
public:
    GroupBoxBinding(GroupBox& g, QWidget* parent, FormView& v) : Binding(g, v) { widget = new QGroupBox(parent); }

protected:
    void updateKind(unsigned changes) override {
        if (changes & change::Text) static_cast<QGroupBox*>(widget.data())->setTitle(qs(model.caption()));
    }
};

// A frame with its caption drawn in the middle.
class PanelWidget : public QFrame {
public:
    explicit PanelWidget(QWidget* parent) : QFrame(parent) {}
    QString caption;

protected:
    void paintEvent(QPaintEvent* e) override {
        QFrame::paintEvent(e);
        if (caption.isEmpty()) return;
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(contentsRect(), Qt::AlignCenter, caption);
    }
};

class PanelBinding : public Binding {
public:
    PanelBinding(Panel& p, QWidget* parent, FormView& v) : Binding(p, v), panel_(p) { widget = new PanelWidget(parent); }

protected:
    void updateKind(unsigned changes) override {
        auto* w = static_cast<PanelWidget*>(widget.data());
        if (changes & change::Text) {
            w->caption = qs(stripAccelerator(panel_.caption()));
            w->update();
        }
        if (changes & change::Options) {
            const Bevel b = panel_.bevelOuter();
            w->setFrameStyle(b == Bevel::None ? QFrame::NoFrame
                                              : (QFrame::Panel | (b == Bevel::Raised ? QFrame::Raised : QFrame::Sunken)));
            w->setLineWidth(1 + (panel_.bevelInner() != Bevel::None ? 1 : 0));
        }
    }

private:
    Panel& panel_;
};

// Track bars, scroll bars and progress bars share the range.
template <typename W>
void applyRange(W* w, RangeControl& r) {
    w->setRange(r.min(), r.max());
    w->setValue(r.position());
}

class TrackBarBinding : public Binding {
public:
    TrackBarBinding(TrackBar& t, QWidget* parent, FormView& v) : Binding(t, v), track_(t) {
        auto* w = new QSlider(parent);
        widget = w;
        QObject::connect(w, &QSlider::valueChanged, w, userAction(v, t, [this, w] { track_.setPosition(w->value()); }));
    }
    bool ownClick() const override { return true; }

protected:
    void updateKind(unsigned) override {
        auto* w = static_cast<QSlider*>(widget.data());
        const bool vertical = track_.orientation() == Orientation::Vertical;
        w->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
        w->setInvertedAppearance(vertical);  // min at the top
        w->setInvertedControls(vertical);
        w->setPageStep(track_.pageSize);
        w->setSingleStep(track_.lineSize);
        w->setTickInterval(track_.frequency);
        w->setTickPosition(vertical ? QSlider::TicksRight : QSlider::TicksBelow);
        applyRange(w, track_);
    }

private:
    TrackBar& track_;
};

class ScrollBarBinding : public Binding {
public:
    ScrollBarBinding(ScrollBar& s, QWidget* parent, FormView& v) : Binding(s, v), bar_(s) {
        auto* w = new QScrollBar(parent);
        widget = w;
        QObject::connect(w, &QScrollBar::valueChanged, w, userAction(v, s, [this, w] { bar_.setPosition(w->value()); }));
    }
    bool ownClick() const override { return true; }

protected:
    void updateKind(unsigned) override {
        auto* w = static_cast<QScrollBar*>(widget.data());
        w->setOrientation(bar_.orientation() == Orientation::Vertical ? Qt::Vertical : Qt::Horizontal);
        w->setSingleStep(bar_.smallChange);
        w->setPageStep(bar_.largeChange);
        applyRange(w, bar_);
    }

private:
    ScrollBar& bar_;
};

class ProgressBarBinding : public Binding {
public:
    ProgressBarBinding(ProgressBar& p, QWidget* parent, FormView& v) : Binding(p, v), bar_(p) {
        auto* w = new QProgressBar(parent);
        w->setTextVisible(false);
        widget = w;
    }

protected:
    void updateKind(unsigned) override {
        auto* w = static_cast<QProgressBar*>(widget.data());
        w->setOrientation(bar_.orientation() == Orientation::Vertical ? Qt::Vertical : Qt::Horizontal);
        applyRange(w, bar_);
    }

private:
    ProgressBar& bar_;
};

// Paints the image's bitmap: as it is, centred, or stretched (keeping its
// proportions when asked).
class ImageWidget : public QWidget {
public:
    ImageWidget(Image& img, QWidget* parent) : QWidget(parent), image_(img) {}
    QImage picture;

protected:
    void paintEvent(QPaintEvent*) override {
        if (picture.isNull()) return;
        QPainter p(this);
        QRect target(QPoint(0, 0), picture.size());
        if (image_.stretch()) {
            QSize s = picture.size();
            s.scale(size(), image_.proportional() ? Qt::KeepAspectRatio : Qt::IgnoreAspectRatio);
            target.setSize(s);
        }
        if (image_.center()) target.moveCenter(rect().center());
        p.drawImage(target, picture);
    }

private:
    Image& image_;
};

class ImageBinding : public Binding {
public:
    ImageBinding(Image& img, QWidget* parent, FormView& v) : Binding(img, v), image_(img) {
        widget = new ImageWidget(img, parent);
    }

protected:
    bool fillsBackground() const override { return false; }
    void updateKind(unsigned changes) override {
        auto* w = static_cast<ImageWidget*>(widget.data());
        if (changes & change::Pixels) {
            const Bitmap& b = image_.bitmap();
            QImage img(b.width(), b.height(), QImage::Format_RGB32);
            for (int y = 0; y < b.height(); ++y) {
                auto* dst = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
                const std::uint32_t* src = b.row(y);
                for (int x = 0; x < b.width(); ++x) dst[x] = src[x] | 0xFF000000u;
            }
            w->picture = std::move(img);
        }
        w->update();
    }

private:
    Image& image_;
};

// The tool bar lays its buttons out in a row itself.
class ToolBarBinding : public Binding {
public:
    ToolBarBinding(ToolBar& t, QWidget* parent, FormView& v) : Binding(t, v) {
        auto* w = new QFrame(parent);
        row_ = new QHBoxLayout(w);
        row_->setContentsMargins(2, 2, 2, 2);
        row_->setSpacing(1);
        row_->addStretch(1);
        widget = w;
    }
    void place(Binding& child) override {
        if (!child.widget) return;
        if (row_->indexOf(child.widget) < 0) row_->insertWidget(row_->count() - 1, child.widget);
    }

protected:
    void updateKind(unsigned) override {}

private:
    QHBoxLayout* row_;
};

class StatusBarBinding : public Binding {
public:
    StatusBarBinding(StatusBar& s, QWidget* parent, FormView& v) : Binding(s, v), bar_(s) {
        auto* w = new QFrame(parent);
        row_ = new QHBoxLayout(w);
        row_->setContentsMargins(1, 1, 1, 1);
        row_->setSpacing(2);
        widget = w;
    }

protected:
    void updateKind(unsigned changes) override {
        const int wanted = bar_.simplePanel() ? 1 : bar_.panelCount();
        if ((changes & change::Items) || static_cast<int>(labels_.size()) != wanted) {
            for (QLabel* l : labels_) delete l;
            labels_.clear();
            for (int i = 0; i < wanted; ++i) {
                auto* l = new QLabel(widget);
                l->setTextFormat(Qt::PlainText);
                l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                const bool last = i == wanted - 1;
                if (!bar_.simplePanel() && !last) l->setFixedWidth(bar_.panel(i).width);
                else l->setMinimumWidth(0);
                row_->addWidget(l, last ? 1 : 0);
                view.registerWidget(l, &bar_);
                labels_.push_back(l);
            }
        }
        for (int i = 0; i < wanted; ++i) {
            const std::string& t = bar_.simplePanel() ? bar_.simpleText() : bar_.panel(i).text;
            labels_[static_cast<std::size_t>(i)]->setText(qs(t));
            if (!bar_.simplePanel())
                labels_[static_cast<std::size_t>(i)]->setAlignment(qtAlign(bar_.panel(i).alignment) | Qt::AlignVCenter);
        }
    }

private:
    StatusBar& bar_;
    QHBoxLayout* row_;
    std::vector<QLabel*> labels_;
};

}  // namespace

std::unique_ptr<Binding> makeOtherBinding(Control& c, QWidget* parent, FormView& v) {
    switch (c.kind()) {
        case ControlKind::Label: return std::make_unique<LabelBinding>(static_cast<Label&>(c), parent, v);
        case ControlKind::GroupBox: return std::make_unique<GroupBoxBinding>(static_cast<GroupBox&>(c), parent, v);
        case ControlKind::Panel: return std::make_unique<PanelBinding>(static_cast<Panel&>(c), parent, v);
        case ControlKind::TrackBar: return std::make_unique<TrackBarBinding>(static_cast<TrackBar&>(c), parent, v);
        case ControlKind::ScrollBar: return std::make_unique<ScrollBarBinding>(static_cast<ScrollBar&>(c), parent, v);
        case ControlKind::ProgressBar:
            return std::make_unique<ProgressBarBinding>(static_cast<ProgressBar&>(c), parent, v);
        case ControlKind::Image: return std::make_unique<ImageBinding>(static_cast<Image&>(c), parent, v);
        case ControlKind::ToolBar: return std::make_unique<ToolBarBinding>(static_cast<ToolBar&>(c), parent, v);
        case ControlKind::StatusBar: return std::make_unique<StatusBarBinding>(static_cast<StatusBar&>(c), parent, v);
        default: return nullptr;
    }
}

}  // namespace qb
