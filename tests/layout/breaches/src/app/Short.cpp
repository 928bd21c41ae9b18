// one
// two
// three
