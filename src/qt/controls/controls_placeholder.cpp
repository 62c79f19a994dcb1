// Replaced by the suite controls.
