//# allFunctionsCalledOnLoad
// The line above asks the browsers that know it to compile this whole script while it downloads, on
// their streaming thread: nearly all of it runs while the page starts, and a function compiled only
// when first called would otherwise be compiled on the page's one thread, which the lists need then.
