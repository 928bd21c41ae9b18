// one
// two
// three
// four
