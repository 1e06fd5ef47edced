#pragma once

// How the search dialog was left: by starting a search (SearchFormula and
// SearchTargets are set) or by cancelling it.
enum class SearchDialogEnd { Search, Cancel };
