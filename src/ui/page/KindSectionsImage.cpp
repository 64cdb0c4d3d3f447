#include "ui/page/KindSectionTables.h"

namespace morvane::ui::page::tables {
namespace {

using C = Control;

constexpr FieldSpec imageLocation()
{
    return path(u"Image", FileKind::Images);
}

constexpr FieldSpec animationPause(const char16_t* hint)
{
    return {.control = C::Edit, .key = u"Pause", .hint = hint, .width = 50};
}

constexpr FieldSpec kImagesGroup = group(u"Images");

constexpr FieldSpec imageList(ListFileId listFile, const char16_t* label = nullptr)
{
    return {.control = C::ImageList, .list = listFile, .label = label};
}

constexpr const char16_t* kAddRemoveImages =
    u"Click 'Add' as many times as you want to browse and add the images to be cropped. If you "
    u"want to remove an image select it and click 'Remove'.";

// Labels left out are the key table's labels.
// clang-format off
constexpr FieldSpec kCropImages[] = {
    animationPause(u"milliseconds (Default is 50)"),
    number(u"Pause2", u"milliseconds (Default is 1000)"),
    number(u"Step", u"pixels (Default is 2)"),
    number(u"StripsWidth", u"pixels (Default is 10)"),
    kImagesGroup,
    imageList(ListFileId::CropImagesImages),
};
constexpr HelpSpec kCropImagesHelp[] = {
    {u"This animation is composed of frames.'Animation pause' is the delay between two frames. 'Pause when image is 100% displayed' is the delay during which each image stays whole before the next one is cropped in. Each image is shown strip after strip: 'Animation step' is the number of pixels a strip grows in each frame and 'Strips width' the width of the strips."},
    {kAddRemoveImages, u"Images"},
};

constexpr FieldSpec kCropImages2[] = {
    animationPause(u"milliseconds (Default is 50)"),
    number(u"Pause2", u"milliseconds (Default is 1000)"),
    number(u"Step", u"pixels (Default is 2)"),
    kImagesGroup,
    imageList(ListFileId::CropImages2Images),
};
constexpr HelpSpec kCropImages2Help[] = {
    {u"This animation is composed of frames.'Animation pause' is the delay between two frames. 'Pause when image 100% displayed' is the delay during which each image stays whole before the next one is cropped in. 'Animation step' is the number of pixels the cropping moves in each frame."},
    {kAddRemoveImages, u"Images"},
};

constexpr FieldSpec kDeformation[] = {
    animationPause(u"milliseconds (Default is 20)"),
    number(u"Amplitude", u"pixels (Default is 3)"),
    number(u"Ondulation", u"(Default is 2)"),
    imageLocation(),
};
constexpr HelpSpec kDeformationHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. 'Amplitude' is how many pixels the image is distorted, and 'Ondulation' the number of waves across the image. Click 'Browse' to choose the image to distort."}};

constexpr FieldSpec kFade[] = {
    animationPause(u"milliseconds (Default is 20)"),
    number(u"Pause2", u"milliseconds (Default is 300)"),
    number(u"FramesNumber", u"(Default is 50)"),
    kImagesGroup,
    imageList(ListFileId::FadeImages),
};
constexpr HelpSpec kFadeHelp[] = {
    {u"This animation is composed of frames.'Animation pause' is the delay between two frames. Each image fades into the next one: 'Frames number' is the number of frames of the fade, and 'Pause when image is 100% displayed' the delay during which each image stays whole."},
    {u"Click 'Add' as many times as you want to browse and add the images of the fade, in the order they are shown. If you want to remove an image, select it and click 'Remove'.", u"Images"},
};

constexpr FieldSpec kImageAxisRotation[] = {
    animationPause(u"milliseconds (Default is 20)"),
    imageLocation(),
};
constexpr HelpSpec kImageAxisRotationHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames: the image turns around its axis. Click 'Browse' to choose the image."}};

constexpr FieldSpec kImageConvex[] = {
    animationPause(u"milliseconds (Default is 20)"),
    number(u"RadiusStep", u"pixels (Default is 5)"),
    number(u"ConvexityStep", u"(Default is 50)"),
    imageLocation(),
};
constexpr HelpSpec kImageConvexHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. A lens swells over the image: 'Radius step' is the number of pixels its radius grows in each frame and 'Convexity step' how much more it bulges. Click 'Browse' to choose the image."}};

constexpr FieldSpec kImageConvex2[] = {
    animationPause(u"milliseconds (Default is 20)"),
    number(u"Radius", u"pixels (Default is 30)"),
    number(u"Convexity", u"(Default is 40)"),
    imageLocation(),
};
constexpr HelpSpec kImageConvex2Help[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. A lens follows the mouse pointer over the image: 'Radius' is its radius in pixels and 'Convexity' how much it bulges. Click 'Browse' to choose the image."}};

constexpr FieldSpec kImageExtend[] = {
    animationPause(u"milliseconds (Default is 20)"),
    number(u"TopLeftCorner", u"(Default is 1)"),
    number(u"TopRightCorner", u"(Default is 100)"),
    number(u"BottomRightCorner", u"(Default is 1)"),
    number(u"BottomLeftCorner", u"(Default is 100)"),
    number(u"TopLeftStep", u"(Default is 5)"),
    number(u"TopRightStep", u"(Default is -10)"),
    number(u"BottomRightStep", u"(Default is 5)"),
    number(u"BottomLeftStep", u"(Default is -10)"),
    imageLocation(),
};
constexpr HelpSpec kImageExtendHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. The image is stretched by its four corners: each corner value (1 to 100) is where the corner starts, and each step (-50 to 50) how far it moves in each frame. Click 'Browse' to choose the image."}};

constexpr FieldSpec kImageLight[] = {
    animationPause(u"milliseconds (Default is 50)"),
    number(u"LightRadius", u"pixels (Default is 50)"),
    number(u"LightRadiusStep", u"pixels (Default is 10)"),
    swatch(u"Color"),
    imageLocation(),
};
constexpr HelpSpec kImageLightHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. A light moves over the image: 'Light radius' is its radius in pixels and 'Light radius step' how much the radius changes in each frame. Click the 'Light color' box to choose its color and 'Browse' to choose the image."}};

constexpr FieldSpec kImageLight2[] = {
    animationPause(u"milliseconds (Default is 50)"),
    number(u"Radius", u"pixels (Default is 50)"),
    swatch(u"Color"),
    imageLocation(),
};
constexpr HelpSpec kImageLight2Help[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. A light follows the mouse pointer over the image: 'Light radius' is its radius in pixels. Click the 'Light color' box to choose its color and 'Browse' to choose the image."}};

constexpr FieldSpec kImagePointer[] = {
    animationPause(u"milliseconds (Default is 50)"),
    imageLocation(),
    radio(u"Radio9Index"),
};
constexpr HelpSpec kImagePointerHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. The image follows the mouse pointer over the applet area; choose whether it stays visible when the pointer leaves the applet. Click 'Browse' to choose the image."}};

constexpr FieldSpec kImageStream[] = {
    animationPause(u"milliseconds (Default is 50)"),
    number(u"Pause2", u"milliseconds (Default is 1000)"),
    number(u"Step", u"pixels (Default is 2)"),
    kImagesGroup,
    imageList(ListFileId::ImageStreamImages),
};
constexpr HelpSpec kImageStreamHelp[] = {
    {u"This animation is composed of frames.'Animation pause' is the delay between two frames. The images are shown one after the other, each new image covering the one before: 'Animation step' is the number of pixels it covers in each frame and 'Pause between 2 images' the delay during which each image stays whole."},
    {u"Click 'Add' as many times as you want to browse and add the images of the slide show, in the order they are shown. If you want to remove an image, select it and click 'Remove'.", u"Images"},
};

constexpr FieldSpec kImageViewer[] = {
    radio(u"Radio10Index"),
    number(u"Pause2", u"milliseconds (Default is 2000)"),
    text(u"NextLabel"),
    text(u"PrevLabel"),
    text(u"PlayLabel"),
    text(u"StopLabel"),
    group(u"Images locations and images names"),
    {.control = C::RecordList, .list = ListFileId::ImageViewerNames},
};
constexpr HelpSpec kImageViewerHelp[] = {
    {u"The visitor moves through the images with the 'Next' and 'Prev' buttons, or lets them pass by themselves with 'Slide on'. Choose whether the slide show starts as soon as the applet is loaded, and set the delay between two images during the slide show. You can change the labels of the four buttons."},
    {u"Add the images two fields at a time: click 'Browse' to choose an image, type its name in 'Image name', then click 'Add'. The name is shown to the visitor with the image. To remove an image, select it and click 'Remove'.", u"Images locations and images names"},
};

constexpr FieldSpec kImageWhirl[] = {
    animationPause(u"milliseconds (Default is 10)"),
    number(u"AngleStep", u"degrees (Default is 20)"),
    imageLocation(),
};
constexpr HelpSpec kImageWhirlHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. The image whirls: 'Angle step' is the angle, in degrees, it turns in each frame. Click 'Browse' to choose the image."}};

constexpr FieldSpec kMemory[] = {
    number(u"ColumnNumber"),
    swatch(u"TurnedOffColor"),
    kImagesGroup,
    imageList(ListFileId::MemoryImages),
    path(u"TurnedOffImage", FileKind::Images),
};
constexpr HelpSpec kMemoryHelp[] = {{u"The visitor turns the images over two at a time and looks for the pairs. Click 'Add...' to add each image of the game once: the applet shows it twice. 'Columns number' is the number of images in a row. A turned off image shows the 'Image to display when an image is turned off', or, if you don't choose one, the color you set."}};

constexpr FieldSpec kProtect[] = {imageList(ListFileId::ProtectImages, u"Images :")};
constexpr FieldSpec kRandomImage[] = {imageList(ListFileId::RandomImageImages, u"Images :")};
constexpr HelpSpec kImagesOnlyHelp[] = {{u"Click 'Add' as many times as you want to browse and add images. If you want to remove an image, select it and click 'Remove'."}};

constexpr FieldSpec kPuzzle[] = {
    number(u"LinearSquares", u"(Default is 4)"),
    path(u"Image", FileKind::Images),
    swatch(u"Color"),
    text(u"WinningLink"),
    target(u"PuzzleTarget"),
};
constexpr HelpSpec kPuzzleHelp[] = {
    {u"The image is cut into squares that the visitor puts back in order. 'Linear squares number' is the number of squares on a side: 5 gives a 5x5 puzzle of 25 squares. Click 'Browse' to choose the image, and the 'Empty square color' box to choose the color of the empty square."},
    {u"When the puzzle is solved, the applet can open a page: type its address in 'Winning link', either a whole web address such as 'https://www.example.com/won.html' or a page of your site such as 'won.html', and choose where it opens in 'Target'. Leave it blank if no page must open.", u"WinningLink"},
};

constexpr FieldSpec kScanImage[] = {
    animationPause(u"milliseconds (Default is 50)"),
    number(u"AreaStepLimit", u"pixels (Default is 100)"),
    number(u"AreaStep", u"pixels (Default is 10)"),
    imageLocation(),
};
constexpr HelpSpec kScanImageHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. The image is scanned by a growing area: 'Area step' is the number of pixels the area grows in each frame, up to 'Area step limit'. Click 'Browse' to choose the image."}};

constexpr FieldSpec kZoom[] = {
    animationPause(u"milliseconds (Default is 50)"),
    number(u"Pause2", u"milliseconds (Default is 1000)"),
    number(u"Step", u"pixels (Default is 2)"),
    kImagesGroup,
    imageList(ListFileId::ZoomImages),
};
constexpr HelpSpec kZoomHelp[] = {
    {u"This animation is composed of frames.'Animation pause' is the delay between two frames. Each image zooms in over the one before: 'Animation step' is the number of pixels it grows in each frame, and 'Pause when image is 100% displayed' the delay during which each image stays whole."},
    {u"Click 'Add' as many times as you want to browse and add the images to zoom, in the order they are shown. If you want to remove an image, select it and click 'Remove'.", u"Images"},
};

constexpr SpecificSectionEntry kEntries[] = {
    {u"CropImages", {nullptr, 279, kCropImages, kCropImagesHelp}},
    {u"CropImages2", {nullptr, 266, kCropImages2, kCropImages2Help}},
    {u"Deformation", {nullptr, 141, kDeformation, kDeformationHelp}},
    {u"Fade", {nullptr, 229, kFade, kFadeHelp}},
    {u"ImageAxisRotation", {nullptr, 87, kImageAxisRotation, kImageAxisRotationHelp}},
    {u"ImageConvex", {nullptr, 137, kImageConvex, kImageConvexHelp}},
    {u"ImageConvex2", {nullptr, 135, kImageConvex2, kImageConvex2Help}},
    {u"ImageExtend", {nullptr, 296, kImageExtend, kImageExtendHelp}},
    {u"ImageLight", {nullptr, 179, kImageLight, kImageLightHelp}},
    {u"ImageLight2", {nullptr, 146, kImageLight2, kImageLight2Help}},
    {u"ImagePointer", {nullptr, 154, kImagePointer, kImagePointerHelp}},
    {u"ImageStream", {nullptr, 226, kImageStream, kImageStreamHelp}},
    {u"ImageViewer", {nullptr, 354, kImageViewer, kImageViewerHelp}},
    {u"ImageWhirl", {nullptr, 118, kImageWhirl, kImageWhirlHelp}},
    {u"Memory", {nullptr, 337, kMemory, kMemoryHelp}},
    {u"Protect", {nullptr, 193, kProtect, kImagesOnlyHelp}},
    {u"Puzzle", {nullptr, 203, kPuzzle, kPuzzleHelp}},
    {u"RandomImage", {nullptr, 193, kRandomImage, kImagesOnlyHelp}},
    {u"ScanImage", {nullptr, 135, kScanImage, kScanImageHelp}},
    {u"Zoom", {nullptr, 270, kZoom, kZoomHelp}},
};
// clang-format on

} // namespace

std::span<const SpecificSectionEntry> imageSections()
{
    return kEntries;
}

} // namespace morvane::ui::page::tables
