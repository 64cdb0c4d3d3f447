#include "catalog/KeyTable.h"

namespace morvane::catalog {
namespace {

// clang-format off
constexpr SettingKey kButtonLinkKeys[] = {
    {u"ButtonText", ValueForm::Text, u"", u"Button text:", u""},
    {u"ButtonWidth", ValueForm::Text, u"", u"Button width:", u""},
    {u"ButtonHeight", ValueForm::Text, u"", u"Button height:", u""},
    {u"ButtonColor", ValueForm::Color, u"16777215", u"Button color:", u""},
    {u"ButtonLink", ValueForm::Text, u"", u"Link:", u""},
    {u"ButtonTarget", ValueForm::Text, u"_self", u"Target link:", u""},
};
constexpr SettingKey kCheckBoxLinkKeys[] = {
    {u"CheckBoxLinkTarget", ValueForm::Text, u"_blank", u"Target:", u""},
};
constexpr SettingKey kCropImagesKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Pause2", ValueForm::Text, u"", u"Pause when image is 100% displayed :", u""},
    {u"Step", ValueForm::Text, u"", u"Animation step :", u""},
    {u"StripsWidth", ValueForm::Text, u"", u"Strips width :", u""},
};
constexpr SettingKey kCropImages2Keys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Pause2", ValueForm::Text, u"", u"Pause when image 100% displayed :", u""},
    {u"Step", ValueForm::Text, u"", u"Animation step :", u""},
};
constexpr SettingKey kCyclingColorsTextKeys[] = {
    {u"TextHeight", ValueForm::Text, u"", u"Text height :", u""},
    {u"TextHeightOffset", ValueForm::Text, u"", u"Text height offset : ", u""},
    {u"TextWidthOffset", ValueForm::Text, u"", u"Text width offset :", u""},
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Text", ValueForm::Text, u"", u"Text :", u""},
};
constexpr SettingKey kDateTextKeys[] = {
    {u"TextHeight", ValueForm::Text, u"", u"Height of the text :", u""},
    {u"HeightOffset", ValueForm::Text, u"", u"Text height offset: ", u""},
    {u"WidthOffset", ValueForm::Text, u"", u"Text width offset:", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Text color :", u""},
};
constexpr SettingKey kDeformationKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Amplitude", ValueForm::Text, u"", u"Amplitude :", u""},
    {u"Ondulation", ValueForm::Text, u"", u"Ondulation :", u""},
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
};
constexpr SettingKey kFadeKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Pause2", ValueForm::Text, u"", u"Pause when image is 100% displayed :", u""},
    {u"FramesNumber", ValueForm::Text, u"", u"Frames number :", u""},
};
constexpr SettingKey kFlickeringKeys[] = {
    {u"TextHeight", ValueForm::Text, u"", u"Height of the text :", u""},
    {u"HeightOffset", ValueForm::Text, u"", u"Text height offset : ", u""},
    {u"WidthOffset", ValueForm::Text, u"", u"Text width offset :", u""},
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5) :", u""},
    {u"Text", ValueForm::Text, u"", u"Text :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Text color :", u""},
};
constexpr SettingKey kFontImageScrollingKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"TextHeight", ValueForm::Text, u"", u"Force text height :", u""},
    {u"TextStep", ValueForm::Text, u"", u"Text step :", u""},
    {u"Text", ValueForm::Text, u"", u"Text :", u""},
    {u"Image", ValueForm::Text, u"", u"Image containing the letters :", u""},
    {u"LettersMap", ValueForm::Text, u"", u"Letters map :", u""},
    {u"Radio13Index", ValueForm::Choice, u"0", u"Scrolling direction", u"Left|Right"},
};
constexpr SettingKey kGraphKeys[] = {
    {u"DataFile", ValueForm::Text, u"", u"Data file :", u""},
    {u"GraphTitle", ValueForm::Text, u"", u"Graph title :", u""},
    {u"XAxisLabel", ValueForm::Text, u"", u"X axis label text :", u""},
    {u"YAxisLabel", ValueForm::Text, u"", u"Y axis label text :", u""},
    {u"XMin", ValueForm::Text, u"", u"X axis minimum boundary :", u""},
    {u"YMin", ValueForm::Text, u"", u"Y axis minimum boundary :", u""},
    {u"Border", ValueForm::Text, u"", u"Border size :", u""},
    {u"BorderColor", ValueForm::Color, u"16777215", u"Border color :", u""},
    {u"Radio14Index", ValueForm::Choice, u"0", u"Link the dots ?", u"yes|no"},
};
constexpr SettingKey kGuestBookKeys[] = {
    {u"Email", ValueForm::Text, u"", u"The email address where the message is sent to:", u""},
    {u"NameLabel", ValueForm::Text, u"", u"Name field label (default is \"Name :\") :", u""},
    {u"EmailLabel", ValueForm::Text, u"", u"Email field label (default is \"E-mail :\") :", u""},
    {u"MessageBoxLabel", ValueForm::Text, u"", u"Message box label (default is \"your message...\") :", u""},
    {u"MessageBoxSentLabel", ValueForm::Text, u"", u"Message box label when sent (default is \"message sent !!\") :", u"", u"MessageBoxLabel"},
    {u"SendButtonLabel", ValueForm::Text, u"", u"Send button label (default is \"Send message\") :", u""},
    {u"NoMessageLabel", ValueForm::Text, u"", u"Message to display when there is no message in the guestbook :", u""},
};
constexpr SettingKey kImageAxisRotationKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
};
constexpr SettingKey kImageConvexKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"RadiusStep", ValueForm::Text, u"", u"Radius step :", u""},
    {u"ConvexityStep", ValueForm::Text, u"", u"Convexity step :", u""},
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
};
constexpr SettingKey kImageConvex2Keys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Radius", ValueForm::Text, u"", u"Radius :", u""},
    {u"Convexity", ValueForm::Text, u"", u"Convexity :", u""},
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
};
constexpr SettingKey kImageExtendKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"TopLeftCorner", ValueForm::Text, u"", u"Top left corner (1-100) :", u""},
    {u"TopRightCorner", ValueForm::Text, u"", u"Top right corner (1-100) :", u""},
    {u"BottomRightCorner", ValueForm::Text, u"", u"Bottom right corner (1-100) :", u""},
    {u"BottomLeftCorner", ValueForm::Text, u"", u"Bottom left corner (1-100) :", u""},
    {u"TopLeftStep", ValueForm::Text, u"", u"Top left step (-50;50) :", u""},
    {u"TopRightStep", ValueForm::Text, u"", u"Top right step (-50;50) :", u""},
    {u"BottomRightStep", ValueForm::Text, u"", u"Bottom right step (-50;50) :", u""},
    {u"BottomLeftStep", ValueForm::Text, u"", u"Bottom left step (-50;50) :", u""},
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
};
constexpr SettingKey kImageLightKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"LightRadius", ValueForm::Text, u"", u"Light radius :", u""},
    {u"LightRadiusStep", ValueForm::Text, u"", u"Light radius step :", u""},
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Light color :", u""},
};
constexpr SettingKey kImageLight2Keys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Radius", ValueForm::Text, u"", u"Light radius :", u""},
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Light color :", u""},
};
constexpr SettingKey kImagePointerKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
    {u"Radio9Index", ValueForm::Choice, u"0", u"Is the image visible when the mouse pointer is out of the applet area ?", u"yes|no"},
};
constexpr SettingKey kImageStreamKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Pause2", ValueForm::Text, u"", u"Pause between 2 images:", u""},
    {u"Step", ValueForm::Text, u"", u"Animation step :", u""},
};
constexpr SettingKey kImageViewerKeys[] = {
    {u"Pause2", ValueForm::Text, u"", u"Delay between two images during slide show (>500) :", u""},
    {u"PlayLabel", ValueForm::Text, u"", u"Slide on button label (default is \"Slide on\") :", u""},
    {u"StopLabel", ValueForm::Text, u"", u"Slide off button label (default is \"Slide off\") :", u""},
    {u"NextLabel", ValueForm::Text, u"", u"Next image button label (default is \"Next\") :", u""},
    {u"PrevLabel", ValueForm::Text, u"", u"Previous image button label (default is \"Prev\") :", u""},
    {u"Radio10Index", ValueForm::Choice, u"0", u"Slide on on applet load ?", u"yes|no"},
};
constexpr SettingKey kImageWhirlKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"AngleStep", ValueForm::Text, u"", u"Angle step :", u""},
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
};
constexpr SettingKey kIPViewerKeys[] = {
    {u"Label", ValueForm::Text, u"", u"Label :", u""},
};
constexpr SettingKey kLightOnKeys[] = {
    {u"SquaresWidth", ValueForm::Text, u"", u"Squares width :", u""},
    {u"OffColor", ValueForm::Color, u"16777215", u"Off square color :", u""},
    {u"OnColor", ValueForm::Color, u"65535", u"On square color :", u""},
};
constexpr SettingKey kListLinkKeys[] = {
    {u"ListLinkTarget", ValueForm::Text, u"_blank", u"Target:", u""},
};
constexpr SettingKey kLoginBoxKeys[] = {
    {u"FrameWidth", ValueForm::Text, u"", u"Frame width :", u""},
    {u"FrameHeight", ValueForm::Text, u"", u"Frame height :", u""},
    {u"FrameTitle", ValueForm::Text, u"", u"Frame title :", u""},
    {u"LoginText", ValueForm::Text, u"", u"Login text :", u""},
    {u"PasswordText", ValueForm::Text, u"", u"Password text :", u""},
    {u"LoginBoxTarget", ValueForm::Text, u"_self", u"Target link:", u""},
};
constexpr SettingKey kMemoryKeys[] = {
    {u"ColumnNumber", ValueForm::Text, u"", u"Columns number :", u""},
    {u"TurnedOffImage", ValueForm::Text, u"", u"Image to display when an image is turned off :", u""},
    {u"TurnedOffColor", ValueForm::Color, u"16777215", u"Color when an image is turned off (if you don't use a 'turned off image') :", u""},
};
constexpr SettingKey kMenuFrameKeys[] = {
    {u"FrameWidth", ValueForm::Text, u"", u"Frame width :", u""},
    {u"FrameHeight", ValueForm::Text, u"", u"Frame Height :", u""},
    {u"FrameX", ValueForm::Text, u"", u"Frame initial X :", u""},
    {u"FrameY", ValueForm::Text, u"", u"Frame initial Y :", u""},
    {u"MenuFrameTarget", ValueForm::Text, u"frame name", u"Target :", u""},
};
constexpr SettingKey kMenuPopUpKeys[] = {
    {u"Text", ValueForm::Text, u"", u"Text :", u""},
    {u"TextHeight", ValueForm::Text, u"", u"Height:", u""},
    {u"MenuPopupTarget", ValueForm::Text, u"_self", u"Target of the links :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Color:", u""},
    {u"Radio4Index", ValueForm::Choice, u"0", u"The location where the popup appears on the applet area :", u"Centered|At random|Where the mouse enters"},
    {u"Radio5Index", ValueForm::Choice, u"0", u"When does the popup opens ?", u"On mouse over|On mouse clic"},
};
constexpr SettingKey kNavigationKeys[] = {
    {u"NavigationTarget", ValueForm::Text, u"_blank", u"Target:", u""},
    {u"Radio3Index", ValueForm::Choice, u"0", u"Buttons direction", u"Horizontal|Vertical"},
};
constexpr SettingKey kPolygonsKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5) :", u""},
    {u"Pause2", ValueForm::Text, u"", u"Pause between 2 drawings :", u""},
    {u"Order", ValueForm::Text, u"", u"Order :", u""},
    {u"OrderMax", ValueForm::Text, u"", u"Random, from 2 to :", u""},
    {u"AngleStep", ValueForm::Text, u"", u"Angle step (1 to 360) :", u""},
    {u"TrianglesNumber", ValueForm::Text, u"", u"Number :", u""},
    {u"NumberMax", ValueForm::Text, u"", u"Random, from 4 to :", u""},
    {u"Coefficient", ValueForm::Text, u"", u"Coefficient :", u""},
    {u"ReplicaNumber", ValueForm::Text, u"", u"Replica number :", u""},
    {u"Radio6Index", ValueForm::Choice, u"0", u"Mode", u"Polygons effect|Triangles effect|Alternate randomly"},
    {u"Radio7Index", ValueForm::Choice, u"0", u"Polygons order", u"Order :|Random, from 2 to :"},
    {u"Radio8Index", ValueForm::Choice, u"0", u"Triangles number", u"Number :|Random, from 4 to :"},
    {u"Color", ValueForm::Color, u"16777215", u"Drawing color :", u""},
};
constexpr SettingKey kPuzzleKeys[] = {
    {u"LinearSquares", ValueForm::Text, u"", u"Linear squares number :", u""},
    {u"Image", ValueForm::Text, u"", u"Puzzle image :", u""},
    {u"WinningLink", ValueForm::Text, u"", u"Winning link (optional) :", u""},
    {u"Color", ValueForm::Color, u"0", u"Empty square color :", u""},
    {u"PuzzleTarget", ValueForm::Text, u"_self", u"Target (optional) :", u""},
};
constexpr SettingKey kRandomLinkKeys[] = {
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
    {u"RandomImageTarget", ValueForm::Text, u"_self", u"Target:", u""},
};
constexpr SettingKey kScanImageKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"AreaStepLimit", ValueForm::Text, u"", u"Area step limit :", u""},
    {u"AreaStep", ValueForm::Text, u"", u"Area step :", u""},
    {u"Image", ValueForm::Text, u"", u"Image location :", u""},
};
constexpr SettingKey kScrollingKeys[] = {
    {u"TextHeight", ValueForm::Text, u"", u"Text height :", u""},
    {u"TextHeightOffset", ValueForm::Text, u"", u"Text height offset : ", u""},
    {u"TextStep", ValueForm::Text, u"", u"Text step :", u""},
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Text", ValueForm::Text, u"", u"Text :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Text color :", u""},
};
constexpr SettingKey kScrollUpDownKeys[] = {
    {u"TextHeight", ValueForm::Text, u"", u"Text height :", u""},
    {u"WidthShift", ValueForm::Text, u"", u"Text width offset : ", u""},
    {u"TextStep", ValueForm::Text, u"", u"Text step :", u""},
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Text", ValueForm::Text, u"", u"Text :", u""},
    {u"HeightSpace", ValueForm::Text, u"", u"Height space between two lines :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Text color :", u""},
    {u"Radio12Index", ValueForm::Choice, u"0", u"Scrolling direction", u"up|down"},
};
constexpr SettingKey kSoundPlayerKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"PlayLabel", ValueForm::Text, u"", u"Play button label (default is \"Play\") :", u""},
    {u"StopLabel", ValueForm::Text, u"", u"Stop button label (default is \"Stop\") :", u""},
    {u"NextLabel", ValueForm::Text, u"", u"Next clip button label (default is \"Next\") :", u""},
    {u"PrevLabel", ValueForm::Text, u"", u"Previous clip button label (default is \"Prev\") :", u""},
    {u"Prefix", ValueForm::Text, u"", u"Title prefix and suffix :", u""},
    {u"Radio11Index", ValueForm::Choice, u"0", u"Play first clip on applet load ?", u"yes|no"},
};
constexpr SettingKey kStarsKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5) :", u""},
    {u"StarsNumber", ValueForm::Text, u"", u"Stars number :", u""},
    {u"StarsMeanStep", ValueForm::Text, u"", u"Stars mean step :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Stars color :", u""},
};
constexpr SettingKey kStarsTextKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5) :", u""},
    {u"StarsNumber", ValueForm::Text, u"", u"Stars number :", u""},
    {u"StarsMeanStep", ValueForm::Text, u"", u"Stars mean step :", u""},
    {u"Text", ValueForm::Text, u"", u"Text (put a # to go to a new line) :", u""},
    {u"TextHeight", ValueForm::Text, u"", u"Text height :", u""},
    {u"ZoomInStep", ValueForm::Text, u"", u"Zoom in step :", u""},
    {u"ZoomOutStep", ValueForm::Text, u"", u"Zoom out step :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Stars and text color :", u""},
    {u"Scrollbar", ValueForm::Flag, u"no", u"Add a scrollbar to control animation speed.", u""},
};
constexpr SettingKey kStarsText2Keys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5) :", u""},
    {u"StarsNumber", ValueForm::Text, u"", u"Stars number :", u""},
    {u"StarsMeanStep", ValueForm::Text, u"", u"Stars mean step :", u""},
    {u"Text", ValueForm::Text, u"", u"Text (put a # to go to a new line) :", u""},
    {u"TextHeight", ValueForm::Text, u"", u"Text height :", u""},
    {u"LettersZoomStep", ValueForm::Text, u"", u"Letters zoom step :", u""},
    {u"TextZoomStep", ValueForm::Text, u"", u"Text zoom step :", u""},
    {u"LettersInitialHeight", ValueForm::Text, u"", u"Letters initial height :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Stars and text color :", u""},
    {u"Scrollbar", ValueForm::Flag, u"no", u"Add a scrollbar to control animation speed.", u""},
};
constexpr SettingKey kStatusBarScrollerKeys[] = {
    {u"Text", ValueForm::Text, u"", u"Text to scroll in the status bar :", u""},
    {u"Pause", ValueForm::Text, u"", u"Scrolling animation pause (>5) :", u""},
};
constexpr SettingKey kTableKeys[] = {
    {u"DataFile", ValueForm::Text, u"", u"Data file :", u""},
    {u"CustomTitleRow", ValueForm::Text, u"", u"Custom title row :", u""},
    {u"Border", ValueForm::Text, u"", u"Border size :", u""},
    {u"Radio16Index", ValueForm::Choice, u"0", u"Title mode :", u"No title|Use first line of the data file as title row|Use 'custom title row' as title row"},
    {u"Radio15Index", ValueForm::Choice, u"0", u"Skip first row ?", u"yes|no"},
    {u"BorderColor", ValueForm::Color, u"16777215", u"Border color :", u""},
    {u"BackgroundColor2", ValueForm::Color, u"16777215", u"Alternated rows background color :", u""},
    {u"ColumnsColor", ValueForm::Color, u"16777215", u"Default data color in all columns :", u""},
    {u"Alternated", ValueForm::Flag, u"no", u"Alternated rows background color :", u""},
};
constexpr SettingKey kTextStreamKeys[] = {
    {u"TextHeight", ValueForm::Text, u"", u"Text height :", u""},
    {u"TextHeightOffset", ValueForm::Text, u"", u"Text height offset : ", u""},
    {u"TextWidthOffset", ValueForm::Text, u"", u"Text width offset :", u""},
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"EndLinePause", ValueForm::Text, u"", u"End line pause (>5) :", u""},
    {u"Text", ValueForm::Text, u"", u"Text (put a # to go to a new line) :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Text color :", u""},
};
constexpr SettingKey kTicTacToeKeys[] = {
    {u"PlayerImage", ValueForm::Text, u"", u"Player image :", u""},
    {u"ComputerImage", ValueForm::Text, u"", u"Computer image :", u""},
    {u"PlayerSound", ValueForm::Text, u"", u"Player sound (optional) :", u""},
    {u"ComputerSound", ValueForm::Text, u"", u"Computer sound (optional) :", u""},
    {u"DrawSound", ValueForm::Text, u"", u"Draw sound (optional) :", u""},
    {u"ClickSound", ValueForm::Text, u"", u"Click sound (optional) :", u""},
    {u"Color", ValueForm::Color, u"0", u"Border color :", u""},
    {u"Radio1Index", ValueForm::Choice, u"0", u"First player", u"Ask|Player|Computer"},
    {u"Radio2Index", ValueForm::Choice, u"1", u"Game difficulty", u"Easy|Hard"},
};
constexpr SettingKey kWaveTextKeys[] = {
    {u"TextHeight", ValueForm::Text, u"", u"Text height :", u""},
    {u"TextHeightOffset", ValueForm::Text, u"", u"Text height offset : ", u""},
    {u"TextStep", ValueForm::Text, u"", u"Text step :", u""},
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"WaveAmplitude", ValueForm::Text, u"", u"Wave amplitude :", u""},
    {u"AngleStep", ValueForm::Text, u"", u"Angle step :", u""},
    {u"Text", ValueForm::Text, u"", u"Text :", u""},
    {u"PhaseStep", ValueForm::Text, u"", u"Phase step :", u""},
    {u"Color", ValueForm::Color, u"16777215", u"Text color :", u""},
};
constexpr SettingKey kWhoIsVisitorKeys[] = {
    {u"Recipient", ValueForm::Text, u"", u"Recipient E-mail: ", u""},
    {u"Sender", ValueForm::Text, u"", u"Sender E-mail : ", u""},
};
constexpr SettingKey kZoomKeys[] = {
    {u"Pause", ValueForm::Text, u"", u"Animation pause (>5):", u""},
    {u"Pause2", ValueForm::Text, u"", u"Pause when image is 100% displayed :", u""},
    {u"Step", ValueForm::Text, u"", u"Animation step :", u""},
};
// clang-format on

// A kind's row, with its list files taken from their own table.
constexpr KindKeys kindEntry(const char16_t* kind, std::span<const SettingKey> keys)
{
    return {kind, keys, listFilesOf(kind)};
}

// clang-format off
constexpr KindKeys kTable[] = {
    kindEntry(u"ButtonLink", kButtonLinkKeys),
    kindEntry(u"CheckBoxLink", kCheckBoxLinkKeys),
    kindEntry(u"CropImages", kCropImagesKeys),
    kindEntry(u"CropImages2", kCropImages2Keys),
    kindEntry(u"CyclingColorsText", kCyclingColorsTextKeys),
    kindEntry(u"DateText", kDateTextKeys),
    kindEntry(u"Deformation", kDeformationKeys),
    kindEntry(u"Fade", kFadeKeys),
    kindEntry(u"Flickering", kFlickeringKeys),
    kindEntry(u"FontImageScrolling", kFontImageScrollingKeys),
    kindEntry(u"Graph", kGraphKeys),
    kindEntry(u"GuestBook", kGuestBookKeys),
    kindEntry(u"HexColor", {}),
    kindEntry(u"ImageAxisRotation", kImageAxisRotationKeys),
    kindEntry(u"ImageConvex", kImageConvexKeys),
    kindEntry(u"ImageConvex2", kImageConvex2Keys),
    kindEntry(u"ImageExtend", kImageExtendKeys),
    kindEntry(u"ImageLight", kImageLightKeys),
    kindEntry(u"ImageLight2", kImageLight2Keys),
    kindEntry(u"ImagePointer", kImagePointerKeys),
    kindEntry(u"ImageStream", kImageStreamKeys),
    kindEntry(u"ImageViewer", kImageViewerKeys),
    kindEntry(u"ImageWhirl", kImageWhirlKeys),
    kindEntry(u"IPViewer", kIPViewerKeys),
    kindEntry(u"LightOn", kLightOnKeys),
    kindEntry(u"ListLink", kListLinkKeys),
    kindEntry(u"LoginBox", kLoginBoxKeys),
    kindEntry(u"Memory", kMemoryKeys),
    kindEntry(u"MenuFrame", kMenuFrameKeys),
    kindEntry(u"MenuPopUp", kMenuPopUpKeys),
    kindEntry(u"Navigation", kNavigationKeys),
    kindEntry(u"Polygons", kPolygonsKeys),
    kindEntry(u"Protect", {}),
    kindEntry(u"Puzzle", kPuzzleKeys),
    kindEntry(u"RandomImage", {}),
    kindEntry(u"RandomLink", kRandomLinkKeys),
    kindEntry(u"ScanImage", kScanImageKeys),
    kindEntry(u"Scrolling", kScrollingKeys),
    kindEntry(u"ScrollUpDown", kScrollUpDownKeys),
    kindEntry(u"SoundPlayer", kSoundPlayerKeys),
    kindEntry(u"Stars", kStarsKeys),
    kindEntry(u"StarsText", kStarsTextKeys),
    kindEntry(u"StarsText2", kStarsText2Keys),
    kindEntry(u"StatusBarScroller", kStatusBarScrollerKeys),
    kindEntry(u"Table", kTableKeys),
    kindEntry(u"TextStream", kTextStreamKeys),
    kindEntry(u"TicTacToe", kTicTacToeKeys),
    kindEntry(u"WaveText", kWaveTextKeys),
    kindEntry(u"WhoIsVisitor", kWhoIsVisitorKeys),
    kindEntry(u"Zoom", kZoomKeys),
};
// clang-format on

const KindKeys kNoKeys{u"", {}, {}};

} // namespace

QStringList SettingKey::choiceCaptions() const
{
    const QString all = QString::fromUtf16(choices);
    return all.isEmpty() ? QStringList() : all.split(QLatin1Char('|'));
}

const KindKeys& kindKeys(const QString& kind)
{
    for (const KindKeys& entry : kTable) {
        if (kind == QStringView(entry.kind)) {
            return entry;
        }
    }
    return kNoKeys;
}

const SettingKey* findSpecificKey(const QString& kind, const QString& key)
{
    for (const SettingKey& entry : kindKeys(kind).keys) {
        if (key == QStringView(entry.key)) {
            return &entry;
        }
    }
    return nullptr;
}

std::span<const ListFileSpec> allListFiles()
{
    return kListFiles;
}

// The list files' ids index their table, and each kind's rows stand together, which is what
// listFilesOf() takes for a kind's whole part.
constexpr bool listFilesInIdOrderAndGroupedByKind()
{
    for (size_t i = 0; i < std::size(kListFiles); ++i) {
        const ListFileSpec& row = kListFiles[i];
        const std::span<const ListFileSpec> firstRun = listFilesOf(row.kind);
        if (static_cast<size_t>(row.id) != i || &row >= firstRun.data() + firstRun.size()) {
            return false;
        }
    }
    return true;
}
static_assert(listFilesInIdOrderAndGroupedByKind());

// The ids index the table.
constexpr bool idsInTableOrder()
{
    for (size_t i = 0; i < std::size(kCommonKeys); ++i) {
        if (static_cast<size_t>(kCommonKeys[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(idsInTableOrder());

std::span<const CommonKey> commonKeys()
{
    return kCommonKeys;
}

const CommonKey* findCommonKey(const QString& key)
{
    for (const CommonKey& entry : kCommonKeys) {
        if (key == QStringView(entry.key)) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace morvane::catalog
