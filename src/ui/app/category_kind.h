#pragma once
// Numbers of the category pane with fixed behaviour, and the layout kind of each category.
namespace tessera::ui {

inline constexpr int kOpenSkinItem = 5001;
inline constexpr int kNewSkinItem = 5002;
inline constexpr int kHowDoICategory = 11;
inline constexpr int kColoursCategory = 6;
inline constexpr int kFontsCategory = 7;

// Kinds 2 (alternative preview), 4 (animation control) and 7 (preview pictures) change the
// layout; the others select how the entry list and the preview are drawn.
int CategoryKind(int number);

}  // namespace tessera::ui
