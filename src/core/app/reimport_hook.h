#pragma once
// The re-import pass as the refresh road runs it for the open skin.
namespace tessera {

// Converts changed source pictures of the open skin into its folder (cut links, then tracked
// imports). Does nothing while no skin is open.
void RunReimportPassForSession();

}  // namespace tessera
