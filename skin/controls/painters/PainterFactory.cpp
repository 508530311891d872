#include "skin/controls/painters/PainterFactory.h"

#include <array>

#include "skin/controls/painters/BoxHPainter.h"
#include "skin/controls/painters/BoxPainter.h"
#include "skin/controls/painters/EditPainter.h"
#include "skin/controls/painters/GroupBoxPainter.h"
#include "skin/controls/painters/HeaderPainter.h"
#include "skin/controls/painters/ObjImagePainter.h"
#include "skin/controls/painters/StatusBarPainter.h"
#if defined(_WIN32)
#include "skin/controls/painters/ButtonPainters_win.h"
#include "skin/controls/painters/CheckRadioPainters_win.h"
#include "skin/controls/painters/ComboPainter_win.h"
#include "skin/controls/painters/DateTimePainter_win.h"
#include "skin/controls/painters/MediaPlayerPainter_win.h"
#include "skin/controls/painters/ProgressTrackPainters_win.h"
#include "skin/controls/painters/ScControlPainter_win.h"
#include "skin/controls/painters/ScrollbarHPainter_win.h"
#include "skin/controls/painters/TabPainters_win.h"
#include "skin/controls/painters/TabSetPainter_win.h"
#include "skin/controls/painters/ScrollbarPainter_win.h"
#include "skin/controls/painters/UpDownPainter_win.h"
#endif
#include "skin/controls/painters/SizerPainter.h"

namespace skin {

namespace {

template <class T>
TSkinControl* MakePainter(TComponent* owner) {
    return new T(owner);
}

// Kind -> maker, one row per painter. The painters that wrap windows exist only where
// there are windows; natively only the portable ones are listed.
const TPainterMaker kMakers[] = {
    {TPainterKind::Sizer, &MakePainter<TSkinSizer>},
    {TPainterKind::ObjImage, &MakePainter<TSkinObjImage>},
    {TPainterKind::Box, &MakePainter<TSkinBox>},
    {TPainterKind::BoxH, &MakePainter<TSkinBoxH>},
    {TPainterKind::GroupBox, &MakePainter<TSkinGroupBox>},
    {TPainterKind::StatusBar, &MakePainter<TSkinStatusBar>},
    {TPainterKind::Header, &MakePainter<TSkinHeader>},
    {TPainterKind::Edit, &MakePainter<TSkinEdit>},
#if defined(_WIN32)
    {TPainterKind::Button, &MakePainter<TSkinButton>},
    {TPainterKind::BitButton, &MakePainter<TSkinBitButton>},
    {TPainterKind::SpeedButton, &MakePainter<TSkinSpeedButton>},
    {TPainterKind::MenuButton, &MakePainter<TSkinMenuButton>},
    {TPainterKind::CheckBox, &MakePainter<TSkinCheckBox>},
    {TPainterKind::RadioButton, &MakePainter<TSkinRadioButton>},
    {TPainterKind::Scrollbar, &MakePainter<TSkinScrollbar>},
    {TPainterKind::ScControl, &MakePainter<TSkinScControl>},
    {TPainterKind::UpDown, &MakePainter<TSkinUpDown>},
    {TPainterKind::ComBox, &MakePainter<TSkinComBox>},
    {TPainterKind::DateTime, &MakePainter<TSkinDateTime>},
    {TPainterKind::ListView, &MakePainter<TSkinListView>},
    {TPainterKind::ScrollbarH, &MakePainter<TSkinScrollbarH>},
    {TPainterKind::Progress, &MakePainter<TSkinProgress>},
    {TPainterKind::Tab31, &MakePainter<TSkinTab31>},
    {TPainterKind::TrackBar, &MakePainter<TSkinTrackBar>},
    {TPainterKind::Tab, &MakePainter<TSkinTab>},
    {TPainterKind::TabBtn, &MakePainter<TSkinTabBtn>},
    {TPainterKind::TabSheet, &MakePainter<TSkinTabSheet>},
    {TPainterKind::MediaPlayer, &MakePainter<TSkinMP>},
#endif
};

}  // namespace

std::span<const TPainterMaker> TPainterFactory::Makers() { return kMakers; }

TSkinControl* TPainterFactory::Make(TPainterKind kind, int variant, TComponent* owner) {
    for (const TPainterMaker& m : kMakers) {
        if (m.Kind != kind) continue;
        TSkinControl* painter = m.Make(owner);
        if (painter) painter->FKind = variant;
        return painter;
    }
    return nullptr;
}

IPainterFactory& DefaultPainterFactory() {
    static TPainterFactory factory;
    return factory;
}

}  // namespace skin
